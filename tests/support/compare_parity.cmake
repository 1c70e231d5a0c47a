# Runs the parity program (tests/support/parity.cpp) of the Linux build and checks its output: exit code
# 0, and the known lines of one calculation, up to the last line. Given the program of the
# Windows build too, runs that through the emulator and compares both outputs byte for byte.
#
# cmake -DNATIVE_PARITY=<Linux parity> -DCORPUS=<tests/fuzz/corpus> -DOUTPUT_DIR=<folder>
#       [-DWINDOWS_PARITY=<parity.exe> -DEMULATOR=<runner>] -P compare_parity.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT NATIVE_PARITY)
  message(FATAL_ERROR "No Linux parity program to compare with: configure the Windows build with "
    "-DROPECALC_NATIVE_PARITY=<Linux build>/tests/support/parity, after building that target there.")
endif()
if(NOT EXISTS "${NATIVE_PARITY}")
  message(FATAL_ERROR "The Linux parity program ${NATIVE_PARITY} does not exist: build it first "
    "(cmake --build --preset release --target parity).")
endif()

# Runs one build's program over the corpus into OUTPUT_DIR/<name>.txt; fails unless it exits
# with 0 and prints the known lines.
function(run_parity name)
  set(output "${OUTPUT_DIR}/${name}.txt")
  execute_process(COMMAND ${ARGN} "${CORPUS}" OUTPUT_FILE "${output}" ERROR_VARIABLE errors
    RESULT_VARIABLE result)
  if(NOT result STREQUAL "0")
    message(FATAL_ERROR "${name}: ${ARGN} exited with ${result}\n${errors}")
  endif()
  file(SIZE "${output}" size)
  if(size EQUAL 0)
    message(FATAL_ERROR "${name}: ${ARGN} printed nothing\n${errors}")
  endif()
  file(READ "${output}" text)
  # 6×19＋1, 155 kg/mm2, φ20.0: its read-outs, and 19890 / 2000 against each purpose; and the
  # last line, of the last row of the last standard table.
  foreach(known
      "\ntrad lookup 6x19 r9 φ20.0 kg155: area=151.24 weight=142.9 total=23400 rope=19890\n"
      "\ntrad check 6x19 r9 φ20.0 kg155 rope=19890 force=2000: 绑扎绳10=weak 地锚绳3.5=9.945 井架提升6=9.945 "
      "\nstd lookup 18x7 r26 φ50 steel n1870: natural=- synthetic=- steel=- fibre-breaking=- steel-breaking=-\n")
    string(FIND "${text}" "${known}" at)
    if(at EQUAL -1)
      string(STRIP "${known}" known)
      message(FATAL_ERROR "${name}: ${output} lacks the known line\n${known}")
    endif()
  endforeach()
  string(REGEX MATCHALL "\n" ends "${text}")
  list(LENGTH ends lines)
  message(STATUS "${name}: ${lines} lines, ${size} bytes in ${output}")
  set(${name}_output "${output}" PARENT_SCOPE)
endfunction()

run_parity(parity_linux "${NATIVE_PARITY}")
if(NOT WINDOWS_PARITY)
  return()
endif()
run_parity(parity_windows ${EMULATOR} "${WINDOWS_PARITY}")

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${parity_linux_output}" "${parity_windows_output}"
  RESULT_VARIABLE differ)
if(differ STREQUAL "0")
  return()
endif()

# The first lines that differ, with their numbers.
file(STRINGS "${parity_linux_output}" linux_lines ENCODING UTF-8)
file(STRINGS "${parity_windows_output}" windows_lines ENCODING UTF-8)
set(number 0)
set(shown 0)
set(report "")
foreach(linux_line windows_line IN ZIP_LISTS linux_lines windows_lines)
  math(EXPR number "${number} + 1")
  if(NOT linux_line STREQUAL windows_line)
    string(APPEND report "line ${number}:\n  linux:   ${linux_line}\n  windows: ${windows_line}\n")
    math(EXPR shown "${shown} + 1")
    if(shown EQUAL 10)
      break()
    endif()
  endif()
endforeach()
if(report STREQUAL "")
  # file(STRINGS) and file(READ) drop carriage returns, which compare_files does not.
  set(report "no line differs as CMake reads them: the difference is in line ends or other control bytes\n")
endif()
file(SIZE "${parity_linux_output}" linux_size)
file(SIZE "${parity_windows_output}" windows_size)
message(FATAL_ERROR "The Windows build's output differs from the Linux build's "
  "(${linux_size} and ${windows_size} bytes):\n${report}")
