; The Windows installer of the calculator: a 64-bit, Unicode, per-user install that needs no
; administrator rights. It puts ropecalc.exe, the licence and the guide in
; %LOCALAPPDATA%\Programs\ropecalc, shortcuts to the program and the guide in a folder of the
; user's Start menu and an uninstaller in the user's list of apps.
;
; Built by app/win32/installer/CMakeLists.txt, which passes the version and the paths:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DFILE_VERSION=1.0.0.0 -DEXE=ropecalc.exe
;            -DLICENSE=LICENSE -DLICENSE_PAGE=license_page.txt -DGUIDE=guide.txt -DICON=ropecalc.ico
;            -DOUTFILE=ropecalc-1.0.0-setup.exe ropecalc.nsi
; FILE_VERSION (four numbers) and LICENSE_PAGE (the licence as the licence page shows it) may be
; left out: VERSION.0 and LICENSE stand in for them.
; The installer takes /S to install silently and /D=DIR (last) for another folder; the
; uninstaller takes /S, and _?=DIR (last) to run in place and wait until it is done.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!macro ropecalc_require NAME
  !ifndef ${NAME}
    !error "Pass -D${NAME}=...: the installer needs VERSION, EXE, LICENSE, GUIDE, ICON and OUTFILE"
  !endif
!macroend
!insertmacro ropecalc_require VERSION
!insertmacro ropecalc_require EXE
!insertmacro ropecalc_require LICENSE
!insertmacro ropecalc_require GUIDE
!insertmacro ropecalc_require ICON
!insertmacro ropecalc_require OUTFILE
!ifndef FILE_VERSION
  !define FILE_VERSION "${VERSION}.0"
!endif
!ifndef LICENSE_PAGE
  !define LICENSE_PAGE "${LICENSE}"
!endif

!define PRODUCT "钢丝绳安全系数计算器"
!define PUBLISHER "The ropecalc developers"
!define GUIDE_NAME "使用说明"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ropecalc"

!include MUI2.nsh
!include FileFunc.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "ropecalc ${VERSION}"
; Per user: no elevation prompt, and every folder and key below is the user's own.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\ropecalc"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ManifestDPIAware true

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\ropecalc.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE_PAGE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "ropecalc"
  SetOutPath "$INSTDIR"
  File "/oname=ropecalc.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  File "/oname=${GUIDE_NAME}.txt" "${GUIDE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; In a folder of the program's name, where "使用说明" says whose guide it is; the program
  ; started in the install folder.
  ; Installed over an earlier version, whose shortcut was straight in the program list.
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\ropecalc.exe" "" "$INSTDIR\ropecalc.exe" 0 \
    SW_SHOWNORMAL "" "计算钢丝绳的安全系数"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${GUIDE_NAME}.lnk" "$INSTDIR\${GUIDE_NAME}.txt" "" "" 0 \
    SW_SHOWNORMAL "" "${PRODUCT}的使用说明"

  ; The entry in the user's list of apps (Settings, Apps; Control Panel, Programs).
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ropecalc.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes only what the installer put there, and the folder if nothing else is left in it. The
; folder goes last, so that its going means the uninstaller is done.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${GUIDE_NAME}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\ropecalc.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${GUIDE_NAME}.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
