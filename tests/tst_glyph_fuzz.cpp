// Thousands of mutated bitmaps through the program's own glyph loading: it
// must never crash, hang or hand back more than a glyph's worth of image.
#include "platform/GlyphFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

class GlyphFuzzTest : public QObject
{
    Q_OBJECT

private slots:
    void mutatedBitmaps()
    {
        QFile source(QStringLiteral(MICR_SOURCE_DIR "/resources/print24.bmp"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray original = source.readAll();
        QTemporaryDir dir;
        const QString path = dir.filePath("print24.bmp");

        std::mt19937 random(20261207);
        auto below = [&random](int n) { return int(random() % unsigned(n)); };
        const qint32 interesting[] = {0, 1, -1, 24, 256, 257, 30000, 65535, 0x7fffffff, -0x7fffffff - 1};
        const int headerFields[] = {2, 10, 14, 18, 22, 26, 28, 30, 34, 46};

        QElapsedTimer timer;
        timer.start();
        int accepted = 0;
        const int rounds = 3000;
        for (int round = 0; round < rounds; ++round) {
            QByteArray bytes = original;
            switch (round % 5) {
            case 0: // flipped bytes anywhere
                for (int i = 1 + below(8); i > 0; --i)
                    bytes[below(bytes.size())] = char(random());
                break;
            case 1: { // a header field set to an edge value
                const int at = headerFields[below(std::size(headerFields))];
                const qint32 value = interesting[below(std::size(interesting))];
                std::memcpy(bytes.data() + at, &value, below(2) ? 4 : 2);
                break;
            }
            case 2: // cut short
                bytes.truncate(below(bytes.size()));
                break;
            case 3: // garbage appended or spliced in
                bytes.insert(below(bytes.size()), QByteArray(1 + below(300), char(random())));
                break;
            default: { // several of the above
                const qint32 value = interesting[below(std::size(interesting))];
                std::memcpy(bytes.data() + 18 + 4 * below(2), &value, 4);
                bytes[below(bytes.size())] = char(random());
                bytes.truncate(54 + below(bytes.size() - 54));
                break;
            }
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();

            QString reason;
            const QPixmap glyph = Platform::ReadGlyphFile(path, &reason);
            if (glyph.isNull()) {
                QVERIFY2(!reason.isEmpty(), qPrintable(QString("round %1: refused without a reason").arg(round)));
            } else {
                ++accepted;
                QVERIFY(glyph.width() <= Platform::MaxGlyphSide && glyph.height() <= Platform::MaxGlyphSide);
            }
        }
        qInfo("%d of %d mutated bitmaps were still glyphs, in %lld ms", accepted, rounds, timer.elapsed());
        QVERIFY2(timer.elapsed() < 120000, "glyph loading took too long");
        // The original still loads.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(original);
        file.close();
        QString reason;
        QCOMPARE(Platform::ReadGlyphFile(path, &reason).size(), QSize(24, 24));
    }
};

QTEST_MAIN(GlyphFuzzTest)
#include "tst_glyph_fuzz.moc"
