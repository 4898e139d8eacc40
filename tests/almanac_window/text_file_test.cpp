// The CP932 text file format: decoding of any bytes, strict encoding checked
// against glibc's iconv over the whole BMP, and the refusal of files the
// editor cannot take.
#include "almanac_window/text_file.h"
#include "tests/almanac_window/koyomi_fixture.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <utility>

using namespace vadelon;
using vadelon::testing::Iconv;

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
    void refusesUnencodable_data();
    void refusesUnencodable();
    void namesTheCharacterAndLine();
    void roundTripsReportCharacters();
    void encodesAsIconvOverTheBmp();
    void readsOnlyRegularFiles();
    void readsWithinTheEditorsLimits_data();
    void readsWithinTheEditorsLimits();
    void readsAnyBinaryWithoutLoss();
};

void TextFileTest::decodes_data()
{
    // Hand-aligned rows of adjacent literals, which clang-format would split.
    // clang-format off
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("abc") << QStringLiteral("abc");
    QTest::newRow("crlf lines") << QByteArray("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("final crlf opens no line") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb");
    QTest::newRow("empty last line kept") << QByteArray("a\r\n\r\n") << QStringLiteral("a\n");
    QTest::newRow("lf lines") << QByteArray("a\nb\n") << QStringLiteral("a\nb");
    QTest::newRow("lone cr") << QByteArray("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("kanji and kana") << QByteArray("\x90\xBC\x97\xEF\x82\xA0") << QStringLiteral("西暦あ");
    QTest::newRow("half-width kana") << QByteArray("\xCC\xA7\xB2\xD9") << QStringLiteral("ﾌｧｲﾙ");
    QTest::newRow("wave dash 8160") << QByteArray("\x81\x60") << QStringLiteral("～");
    QTest::newRow("nul byte") << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF" "abc\r\n\xE6\x97\xA5") << QStringLiteral("abc\n日");
    QTest::newRow("utf-16le with bom") << QByteArray("\xFF\xFE" "a\0\r\0\n\0\xE5\x65\x3D\xD8\x00\xDE", 14)
                                       << QStringLiteral("a\n日\U0001F600");
    QTest::newRow("utf-16be with bom") << QByteArray("\xFE\xFF" "\0a\0\r\0\n\x65\xE5\xD8\x3D\xDE\x00", 14)
                                       << QStringLiteral("a\n日\U0001F600");
    QTest::newRow("utf-16le lone surrogate, odd end") << QByteArray("\xFF\xFE" "\x00\xDC" "b\0c", 7)
                                                      << QStringLiteral("\uFFFDb\uFFFD");
    QTest::newRow("utf-16le bom only") << QByteArray("\xFF\xFE") << QString();
    QTest::newRow("utf-8 without bom") << QByteArray("\xC3\x80 la carte \xE2\x80\x94 \xE6\x97\xA5\xE6\x9C\xAC")
                                       << QStringLiteral("À la carte — 日本");
    // Short UTF-8 texts that are valid CP932 as well.
    for (const QString& word : {QStringLiteral("漢漢漢"), QStringLiteral("日本"), QStringLiteral("東京"), QStringLiteral("こよみ")})
        QTest::newRow(qPrintable(QStringLiteral("utf-8 ") + word)) << word.toUtf8() << word;
    QTest::newRow("control codes 1a 1c 7f") << QByteArray("\x1A\x1C\x7F") << QStringLiteral("\u001A\u001C\u007F");
    QTest::newRow("control codes beside a bad byte")
        << QByteArray("\x1A\x80\x7F\x1C") << QStringLiteral("\u001A\uFFFD\u007F\u001C");
    QTest::newRow("stray byte 80") << QByteArray("\x80" "A") << QStringLiteral("\uFFFDA");
    QTest::newRow("bytes fd ff") << QByteArray("\xFD\xFF" "A") << QStringLiteral("\uFFFD\uFFFDA");
    QTest::newRow("lone lead at end") << QByteArray("A\x82") << QStringLiteral("A\uFFFD");
    QTest::newRow("lead before a non-trail") << QByteArray("\x82\x0D\x0A" "B") << QStringLiteral("\uFFFD\nB");
    QTest::newRow("unmapped pair keeps its trail") << QByteArray("\x85\x40\x82\xA0") << QStringLiteral("\uFFFD@あ");
    // clang-format on
}

void TextFileTest::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeTextFileBytes(bytes), text);
}

void TextFileTest::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty text, empty file") << QString() << QByteArray();
    QTest::newRow("one line") << QStringLiteral("a") << QByteArray("a\r\n");
    QTest::newRow("two lines") << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty last line") << QStringLiteral("a\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("one empty line of two") << QStringLiteral("\n") << QByteArray("\r\n\r\n");
    QTest::newRow("hiragana") << QStringLiteral("あ") << QByteArray("\x82\xA0\r\n");
    QTest::newRow("half-width kana") << QStringLiteral("ﾌｧｲﾙ") << QByteArray("\xCC\xA7\xB2\xD9\r\n");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QByteArray("\x81\x40\r\n");
    QTest::newRow("lenticular brackets") << QStringLiteral("【】") << QByteArray("\x81\x79\x81\x7A\r\n");
    QTest::newRow("full-width digits") << QStringLiteral("１２") << QByteArray("\x82\x50\x82\x51\r\n");
    QTest::newRow("nul kept") << QString(QChar(0)) << QByteArray("\0\r\n", 3);
    QTest::newRow("control codes 1a 1c 7f") << QStringLiteral("\u001A\u001C\u007F") << QByteArray("\x1A\x1C\x7F\r\n");
}

void TextFileTest::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const EncodedText encoded = EncodeTextFileBytes(text);
    QVERIFY(!encoded.unencodable);
    QCOMPARE(encoded.bytes, bytes);
}

void TextFileTest::refusesUnencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("character");
    QTest::newRow("emoji on line 2") << QStringLiteral("ok\n\U0001F600 x") << 2 << QStringLiteral("\U0001F600");
    QTest::newRow("yen sign after text") << QStringLiteral("a\nb\nx¥") << 3 << QStringLiteral("¥");
    QTest::newRow("replacement character") << QStringLiteral("\uFFFD") << 1 << QStringLiteral("\uFFFD");
    QTest::newRow("first of two") << QStringLiteral("é ü") << 1 << QStringLiteral("é");
}

void TextFileTest::refusesUnencodable()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(QString, character);
    const EncodedText encoded = EncodeTextFileBytes(text);
    QVERIFY(encoded.unencodable);
    QCOMPARE(encoded.unencodable->line, line);
    QCOMPARE(encoded.unencodable->character, character);
    QVERIFY(encoded.bytes.isEmpty());
}

void TextFileTest::namesTheCharacterAndLine()
{
    QCOMPARE(
        UnencodableMessage(QStringLiteral("/tmp/a%1.txt"), {2, QStringLiteral("\U0001F600")}),
        QStringLiteral(
            "ファイル /tmp/a%1.txt を保存できません。2 行目の文字「\U0001F600」(U+1F600) は Shift-JIS で表せません"));
    // ¥ would be 0x5C, a backslash when read back: the full-width one is offered.
    QCOMPARE(UnencodableMessage(QStringLiteral("b"), {12, QStringLiteral("¥")}),
             QStringLiteral("ファイル b を保存できません。12 行目の文字「¥」(U+00A5) は Shift-JIS で表せません。"
                            "全角の「￥」なら保存できます"));
    // What would break the message's line, turn its direction or not show at
    // all is escaped in the name, and in the character.
    QCOMPARE(UnencodableMessage(QStringLiteral("/tmp/a\u2028b\u202Ec\u200B\u00A0\u3000d\\e\x1B\u0085\uFEFF.txt"),
                                {1, QStringLiteral("\u200B")}),
             QStringLiteral("ファイル /tmp/a\\u2028b\\u202ec\\u200b\\u00a0\u3000d\\\\e\\x1b\\u0085\\ufeff.txt "
                            "を保存できません。1 行目の文字「\\u200b」(U+200B) は Shift-JIS で表せません"));
}

void TextFileTest::roundTripsReportCharacters()
{
    // Every kind of character a report holds, and a few an edited one may.
    const QString text = QStringLiteral("西暦2000年（平成12年）1月1日（土曜日）は\n"
                                        "世界時１２時をもって、ユリウス日【2451545】日となる。\n"
                                        "\n"
                                        "-----------------------＜注意！＞-----------------------\n"
                                        "\u3000※年干支九星は一年の始まりを１月１日として算出しています。\n"
                                        "ﾌｧｲﾙ ｺﾋﾟｰ ～ \\ ~ ? \t 終");
    const EncodedText encoded = EncodeTextFileBytes(text);
    QVERIFY(!encoded.unencodable);
    QVERIFY(!encoded.bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(encoded.bytes.count("\r\n"), text.count(QLatin1Char('\n')) + 1);
    QCOMPARE(DecodeTextFileBytes(encoded.bytes), text);
    QCOMPARE(EncodeTextFileBytes(DecodeTextFileBytes(encoded.bytes)).bytes, encoded.bytes);
}

void TextFileTest::encodesAsIconvOverTheBmp()
{
    // Every BMP character on a line of its own through iconv -c (what it
    // cannot write it leaves out) and back. A character is written exactly when
    // iconv writes it as bytes that read back as itself, or it is one of the
    // JIS forms that are written as the code page's own character; the bytes
    // are iconv's.
    const QString jisForms = QStringLiteral("\u301C\u2016\u2212\u2014\u00A2\u00A3\u00AC");
    QString all;
    QList<char16_t> characters;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c == '\n' || c == '\r' || (c >= 0xD800 && c < 0xE000))
            continue;
        characters << char16_t(c);
        all += QChar(char16_t(c)) + QLatin1Char('\n');
    }
    const QByteArray written = Iconv({QStringLiteral("-c"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                      QStringLiteral("-t"), QStringLiteral("CP932")},
                                     all.toUtf8());
    const QList<QByteArray> peerBytes = written.split('\n');
    const QStringList peerRead = QString::fromUtf8(Iconv({QStringLiteral("-f"), QStringLiteral("CP932"),
                                                          QStringLiteral("-t"), QStringLiteral("UTF-8")},
                                                         written))
                                     .split(QLatin1Char('\n'));
    QCOMPARE(peerBytes.size(), characters.size() + 1);
    QCOMPARE(peerRead.size(), characters.size() + 1);
    int writtenCount = 0;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QString character(QChar(characters[i]));
        const bool readsBack = peerRead[i] == character || jisForms.contains(character);
        const bool expected = !peerBytes[i].isEmpty() && readsBack;
        const EncodedText encoded = EncodeTextFileBytes(character);
        const QString what = QStringLiteral("U+%1").arg(uint(characters[i]), 4, 16, QLatin1Char('0'));
        QVERIFY2(encoded.unencodable.has_value() != expected, qPrintable(what));
        if (expected) {
            QVERIFY2(encoded.bytes == peerBytes[i] + "\r\n",
                     qPrintable(what + QStringLiteral(" ") + encoded.bytes.toHex()));
            QVERIFY2(DecodeTextFileBytes(encoded.bytes) == peerRead[i], qPrintable(what));
            ++writtenCount;
        }
    }
    QVERIFY(writtenCount > 7000);  // the code page's characters, not a few
}

void TextFileTest::readsOnlyRegularFiles()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString dangling = dir.filePath(QStringLiteral("dangling.txt"));
    QVERIFY(QFile::link(missing, dangling));
    // Each refused with its reason, and without waiting for a writer.
    const std::pair<QString, QString> refused[] = {
        {missing, QStringLiteral("理由は「存在しないファイル」です")},
        {dangling, QStringLiteral("理由は「存在しないファイル」です")},
        {dir.path(), QStringLiteral("理由は「フォルダ」です")},
        {fifo, QStringLiteral("理由は「装置などの特殊ファイル」です")},
        {QStringLiteral("/dev/zero"), QStringLiteral("理由は「装置などの特殊ファイル」です")},
        {fifo + QStringLiteral("/a.txt"), QStringLiteral("理由は「フォルダでない途中の名前」です")},
    };
    for (const auto& [path, reason] : refused) {
        const TextFileRead read = ReadTextFile(path);
        QVERIFY2(read.fault && read.text.isEmpty(), qPrintable(path));
        QCOMPARE(OpenFailureMessage(path, *read.fault),
                 QStringLiteral("ファイル %1 は開けません。%2").arg(path, reason));
    }

    QFile zeros(dir.filePath(QStringLiteral("zeros.txt")));
    QVERIFY(zeros.open(QIODevice::WriteOnly));
    QVERIFY(zeros.resize(1000));
    zeros.close();
    const TextFileRead read = ReadTextFile(zeros.fileName());
    QVERIFY(!read.fault);
    QCOMPARE(read.text.size(), 1000);
}

void TextFileTest::readsWithinTheEditorsLimits_data()
{
    // reason: empty when the file is read.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QString tooLong = QStringLiteral("%1 行目の長さが上限の 8,192 文字を超えています");
    const QString tooManyLines = QStringLiteral("行数が上限の 100,000 行を超えています");
    const QString tooLarge = QStringLiteral("大きさが上限の 4 MiB を超えています");
    const QByteArray longest(kMaxTextLineChars, 'a');
    const QByteArray kanjiLine = QByteArray("\x97\xEF").repeated(kMaxTextLineChars);  // 暦, two bytes each
    const QByteArray line1k = QByteArray(1022, 'a') + "\r\n";
    QTest::newRow("longest line") << longest + "\r\nb" << QString();
    QTest::newRow("line one too long") << "b\r\n" + longest + "a" << tooLong.arg(2);
    QTest::newRow("longest line of kanji") << kanjiLine << QString();
    QTest::newRow("kanji line one too long") << kanjiLine + "a" << tooLong.arg(1);
    QTest::newRow("too long line before the last") << "b\r\nc\r\n" + longest + "a\r\nd" << tooLong.arg(3);
    QTest::newRow("most lines") << QByteArray("\r\n").repeated(kMaxTextLines - 1) + "a\r\n" << QString();
    QTest::newRow("one line too many") << QByteArray("\n").repeated(kMaxTextLines) + "a" << tooManyLines;
    QTest::newRow("largest file") << line1k.repeated(kMaxTextFileBytes / line1k.size()) << QString();
    QTest::newRow("one byte too large") << line1k.repeated(kMaxTextFileBytes / line1k.size()) + "a" << tooLarge;
    // Decoded, the odd byte is lost without a word (all of the text, when it
    // is the only one after the mark).
    const QString oddUtf16 =
        QStringLiteral("UTF-16 のバイト順マークで始まるのにバイト数が奇数で、最後の文字が欠けています");
    QTest::newRow("utf-16le, odd length") << QByteArray::fromHex("fffe6100620063") << oddUtf16;
    QTest::newRow("utf-16be, odd length") << QByteArray::fromHex("feff006100") << oddUtf16;
    QTest::newRow("utf-16le, bom and one byte") << QByteArray::fromHex("fffe61") << oddUtf16;
    // The editor starts a line at each of these too (UTF-16LE behind its mark).
    const auto utf16 = [](const QString& text) {
        return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const QString breaks = QStringLiteral("\u2028\u2029\uFDD0\uFDD1");
    const QString manyBreaks = breaks.repeated(kMaxTextLines / breaks.size());
    const QString separators = QString(8000, QChar(0x2029)) + QLatin1Char('\n');
    QTest::newRow("4 MiB of U+2029 in 262 lines")
        << utf16(separators.repeated((kMaxTextFileBytes / 2 - 1) / separators.size())) << tooManyLines;
    QTest::newRow("most lines, other breaks") << utf16(manyBreaks.chopped(1)) << QString();
    QTest::newRow("one line too many, other breaks") << utf16(manyBreaks) << tooManyLines;
    QTest::newRow("longest lines, broken at U+2028")
        << utf16(QString(kMaxTextLineChars, QLatin1Char('a')).repeated(2).insert(kMaxTextLineChars, QChar(0x2028)))
        << QString();
    QTest::newRow("a line one too long after U+2029")
        << utf16(QStringLiteral("a\u2029") + QString(kMaxTextLineChars + 1, QLatin1Char('a'))) << tooLong.arg(2);
}

void TextFileTest::readsWithinTheEditorsLimits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("limits.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    const TextFileRead read = ReadTextFile(file.fileName());
    QCOMPARE(read.fault.has_value(), !reason.isEmpty());
    if (read.fault) {
        QVERIFY(read.text.isEmpty());
        QCOMPARE(OpenFailureMessage(file.fileName(), *read.fault),
                 QStringLiteral("ファイル %1 は開けません。%2").arg(file.fileName(), reason));
    }
}

void TextFileTest::readsAnyBinaryWithoutLoss()
{
    // Random bytes, every value present: one character per byte at most,
    // and nothing but line breaks may vanish.
    QByteArray bytes(1 << 20, '\0');
    QRandomGenerator random(20000101);
    for (char& b : bytes)
        b = char(random.bounded(256));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("binary.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const TextFileRead read = ReadTextFile(file.fileName());
    QVERIFY(!read.fault);
    const QString& text = read.text;
    QVERIFY(text.size() <= bytes.size());
    QVERIFY(text.size() >= bytes.size() / 2);
    QVERIFY(text.contains(QChar(0xFFFD)));
    QVERIFY(!text.contains(QLatin1Char('\r')));
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "text_file_test.moc"
