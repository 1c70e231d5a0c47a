// The picture the program saves to prove it shows its window: the whole window at its design
// size with its controls drawn, and an error exit when the picture cannot be written.

#include "app/calculator/control_table.h"
#include "app/qt/screenshot.h"
#include "app/qt/twips.h"
#include "app/qt/window.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    void savesTheShownWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("writable folder") << QStringLiteral("form1.png") << 0;
        QTest::newRow("missing folder") << QStringLiteral("missing/form1.png") << 1;
    }

    // Shown window, picture asked for: the event loop ends with the code, the picture is the
    // window at its client size with dark text and lines on it.
    void savesTheShownWindow()
    {
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(file);

        qtview::Window window;
        window.show();
        qtview::saveOnceExposed(window, path);
        QCOMPARE(QApplication::exec(), exitCode);
        if (exitCode != 0) {
            QVERIFY(!QFile::exists(path));
            return;
        }

        const QImage picture(path);
        QCOMPARE(picture.size(),
            QSize(qtview::twipsToPixels(app::kClientWidth), qtview::twipsToPixels(app::kClientHeight)));
        const QRgb background = picture.pixel(0, 0);
        int differing = 0;
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                differing += pixel != background;
                dark += qGray(pixel) < 96;
            }
        }
        // Frames, boxes and captions cover well over a tenth of the window; text is dark.
        QVERIFY2(differing > picture.width() * picture.height() / 10, qPrintable(QString::number(differing)));
        QVERIFY2(dark > 1000, qPrintable(QString::number(dark)));
    }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
