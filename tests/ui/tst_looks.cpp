// Colours and pictures on the desktop's settings: text that reads on a light and on a dark
// palette, marker pictures without a white box that stay sharp on a doubled screen.
#include <QApplication>
#include <QPalette>
#include <QTest>

#include "app/form1.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "ui/controlwidgets.h"
#include "ui/looks.h"
#include "ui/mainwindow.h"

using namespace kombinator;
using kombinator::ui::contrastRatio;

namespace {

QPalette darkPalette(const QColor& link) {
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b);
    const QColor text(0xe6, 0xe6, 0xe6);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    p.setColor(QPalette::Link, link);
    return p;
}

const QString kMarkerFolder = QStringLiteral(KOMBINATOR_SOURCE_DIR "/resources/");

}  // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void contrastRatios_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor(0x80, 0x20, 0x20) << QColor(0x80, 0x20, 0x20) << 1.0;
        QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << 8.59;
        QTest::newRow("green on white") << QColor(0, 128, 0) << QColor(Qt::white) << 5.14;
    }
    void contrastRatios() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(contrastRatio(a, b))));
        QVERIFY(qAbs(contrastRatio(b, a) - ratio) < 0.01);
    }

    // A readable colour is kept as it is; an unreadable one moves only as far as it must, away
    // from the background's lightness.
    void readableColours_data() {
        QTest::addColumn<QColor>("wanted");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("kept");
        QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << true;
        QTest::newRow("blue on dark grey") << QColor(0, 0, 255) << QColor(0x2b, 0x2b, 0x2b) << false;
        QTest::newRow("green on white") << QColor(0, 128, 0) << QColor(Qt::white) << true;
        QTest::newRow("green on black") << QColor(0, 128, 0) << QColor(Qt::black) << false;
        QTest::newRow("green on dark grey") << QColor(0, 128, 0) << QColor(0x2b, 0x2b, 0x2b) << false;
        QTest::newRow("light text on white") << QColor(0xe6, 0xe6, 0xe6) << QColor(Qt::white) << false;
        QTest::newRow("yellow on light grey") << QColor(255, 255, 0) << QColor(0xef, 0xef, 0xef) << false;
    }
    void readableColours() {
        QFETCH(QColor, wanted);
        QFETCH(QColor, background);
        QFETCH(bool, kept);
        const QColor shown = ui::readableOn(wanted, background);
        QVERIFY(contrastRatio(shown, background) >= 4.5);
        QCOMPARE(shown == wanted, kept);
        if (!kept) {
            // Lighter on a dark background, darker on a light one, and not further than needed.
            const bool dark = background.lightness() < 128;
            QCOMPARE(shown.lightness() > wanted.lightness(), dark);
            QVERIFY(contrastRatio(shown, background) < 5.5);
        }
    }

    // Every coloured text of the main window against what is behind it, on the desktop's own
    // palette and on dark ones.
    void windowTextsRead_data() {
        QTest::addColumn<QString>("palette");
        for (const char* name : {"default", "dark", "dark with a pale link", "dark with a blue link"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void windowTextsRead() {
        QFETCH(QString, palette);
        const QPalette saved = QApplication::palette();
        if (palette == "dark") QApplication::setPalette(darkPalette(QColor(0x2a, 0x82, 0xda)));
        if (palette == "dark with a pale link")
            QApplication::setPalette(darkPalette(QColor(0x8a, 0xb4, 0xf8)));
        if (palette == "dark with a blue link") QApplication::setPalette(darkPalette(QColor(0, 0, 255)));
        {
            test::FakePlatform platform;
            Form1 form(platform);
            ui::MainWindow window(form);
            form.Form_Load();
            const QColor windowColour = window.palette().color(QPalette::Window);
            for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Check1"}) {
                const QWidget* w = window.controlWidget(QString::fromLatin1(name));
                QVERIFY(w);
                const QColor text = w->palette().color(w->foregroundRole());
                const QColor back =
                    w->autoFillBackground() ? w->palette().color(w->backgroundRole()) : windowColour;
                QVERIFY2(contrastRatio(text, back) >= 4.5,
                         qPrintable(QStringLiteral("%1: %2 on %3").arg(name, text.name(), back.name())));
            }
            // The link is the palette's link colour whenever that colour reads.
            const QColor link = window.palette().color(QPalette::Link);
            const QWidget* label6 = window.controlWidget("Label6");
            if (contrastRatio(link, windowColour) >= 4.5)
                QCOMPARE(label6->palette().color(label6->foregroundRole()), link);
        }
        QApplication::setPalette(saved);
    }

    // The marker pictures lose their white box, keep their drawing, and are doubled pixel by
    // pixel on a doubled screen.
    void markerPictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("factor");
        for (const char* file : {"xxk.bmp", "xx.bmp", "Xxx.bmp", "xxz.bmp", "picture1.bmp", "picture3.bmp"}) {
            QTest::addRow("%s at 1", file) << QString::fromLatin1(file) << qreal(1) << 1;
            QTest::addRow("%s at 2", file) << QString::fromLatin1(file) << qreal(2) << 2;
            QTest::addRow("%s at 1.5", file) << QString::fromLatin1(file) << qreal(1.5) << 2;
        }
    }
    void markerPictures() {
        QFETCH(QString, file);
        QFETCH(qreal, ratio);
        QFETCH(int, factor);
        const QImage source = QImage(kMarkerFolder + file).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!source.isNull());
        const QPixmap pixmap = ui::markerPixmap(kMarkerFolder + file, ratio);
        QCOMPARE(pixmap.size(), source.size() * factor);
        QCOMPARE(pixmap.devicePixelRatio(), qreal(factor));
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), source.size());
        const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int white = 0;
        int drawn = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb was = source.pixel(x / factor, y / factor);
                const QRgb is = shown.pixel(x, y);
                if (qRgb(qRed(was), qGreen(was), qBlue(was)) == qRgb(255, 255, 255)) {
                    ++white;
                    QCOMPARE(qAlpha(is), 0);
                } else {
                    ++drawn;
                    QCOMPARE(is, was);  // the very pixel of the picture: nothing smeared
                }
            }
        }
        QVERIFY(white > 0);
        QVERIFY(drawn > 0);
    }

    void missingPicture() { QVERIFY(ui::markerPixmap(kMarkerFolder + "nincs.bmp", 2).isNull()); }

    // A caption's font is chosen without loading every size and stretch, and it is the one that
    // trying each in turn chooses: every caption of the window, plain and bold, on one line and
    // wrapped, in boxes from roomy to too small for any font.
    void fittingFontAsEveryFontTried() {
        test::FakePlatform platform;
        Form1 form(platform);
        const auto everyFontTried = [](QFont font, const QString& text, const QSize& box, bool wrap) {
            const int flags =
                Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (wrap ? Qt::TextWordWrap : 0);
            for (int size = font.pixelSize(); size >= 9; --size) {
                for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
                    font.setPixelSize(size);
                    font.setStretch(stretch);
                    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), box), flags, text);
                    if (needed.width() <= box.width() && needed.height() <= box.height()) return font;
                }
            }
            return font;
        };
        QFont font = ui::MainWindow::windowFont();
        for (const auto& [bold, wrap] :
             {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
            font.setBold(bold);
            for (const Control* control : form.controls()) {
                const QString& caption = control->caption();
                const int wide = QFontMetrics(font).horizontalAdvance(caption);
                for (const int width : {wide + 4, wide * 9 / 10, wide * 3 / 4, wide / 2, wide / 3, 40}) {
                    for (const int height : {13, 14, 23, 27, 40}) {
                        const QFont expected = everyFontTried(font, caption, {width, height}, wrap);
                        const QFont fitted = ui::fittingFont(font, caption, {width, height}, wrap);
                        QVERIFY2(
                            fitted.pixelSize() == expected.pixelSize() &&
                                fitted.stretch() % 100 == expected.stretch() % 100,
                            qPrintable(QStringLiteral("%1 in %2x%3").arg(caption).arg(width).arg(height)));
                    }
                }
            }
        }
    }
};

KOMBINATOR_TEST(TestLooks);
#include "tst_looks.moc"
