// The per-instance property store: its text form, typed reads with defaults, case-blind keys,
// and pictures that keep their resource names through save and load.
#include "platform/property_store.h"

#include <QTest>

namespace quorvel::platform {

class PropertyStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTypedValuesFromText_data();
    void readsTypedValuesFromText();
    void rejectsMalformedLines_data();
    void rejectsMalformedLines();
    void conversionFailuresAreErrors_data();
    void conversionFailuresAreErrors();
    void absentKeysGiveTheDefault();
    void writingKeepsPlaceAndCase();
    void textFormRoundTripsEveryType();
    void picturesKeepTheirNameAndHotSpot();
};

// One value per row, read back as the type the row names.
void PropertyStoreTest::readsTypedValuesFromText_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("decimal") << "btype = 7"
                             << "int" << QVariant(7);
    QTest::newRow("negative") << "x=-12"
                              << "int" << QVariant(-12);
    QTest::newRow("hex colour") << "bcol = 0x00D8E9EC"
                                << "int" << QVariant(0x00D8E9EC);
    QTest::newRow("system colour keeps top bit") << "bcol = &H8000000F"
                                                 << "int" << QVariant(static_cast<int>(0x8000000F));
    QTest::newRow("boolean -1") << "enab = -1"
                                << "bool" << QVariant(true);
    QTest::newRow("boolean 0") << "enab = 0"
                               << "bool" << QVariant(false);
    QTest::newRow("boolean word") << "enab = False"
                                  << "bool" << QVariant(false);
    QTest::newRow("quoted text keeps blanks") << "tx = \"  save \""
                                              << "text" << QVariant("  save ");
    QTest::newRow("escapes") << R"(tx = "a\"b\\c\nd")"
                             << "text" << QVariant("a\"b\\c\nd");
    QTest::newRow("empty text") << "tx = \"\""
                                << "text" << QVariant(QString());
    QTest::newRow("equals inside the value") << "tx = \"a = b\""
                                             << "text" << QVariant("a = b");
    QTest::newRow("unquoted text") << "tx = OK button "
                                   << "text" << QVariant("OK button");
    QTest::newRow("number read as text") << "tx = 12"
                                         << "text" << QVariant("12");
    QTest::newRow("16-bit") << "mptr = 99"
                            << "int16" << QVariant(99);
}

void PropertyStoreTest::readsTypedValuesFromText()
{
    QFETCH(QString, line);
    QFETCH(QString, type);
    QFETCH(QVariant, expected);

    const PropertyStore store = PropertyStore::FromText("# saved data\n\n" + line + "\n");
    const QString key = line.section(QLatin1Char('='), 0, 0).trimmed().toUpper();
    QVERIFY(store.Contains(key));
    if (type == "int")
        QCOMPARE(store.ReadInt(key, 0), expected.toInt());
    else if (type == "int16")
        QCOMPARE(store.ReadInt16(key, 0), static_cast<std::int16_t>(expected.toInt()));
    else if (type == "bool")
        QCOMPARE(store.ReadBool(key, !expected.toBool()), expected.toBool());
    else
        QCOMPARE(store.ReadText(key, QStringLiteral("default")), expected.toString());
}

void PropertyStoreTest::rejectsMalformedLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");

    QTest::newRow("no equals sign") << "btype = 2\ncaption\n" << 2;
    QTest::newRow("no key") << "= 5" << 1;
    QTest::newRow("open quote") << "a = 1\n\nb = 2\ntx = \"save\n" << 4;
    QTest::newRow("text after the quote") << "tx = \"save\" more" << 1;
}

void PropertyStoreTest::rejectsMalformedLines()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    try {
        PropertyStore::FromText(text);
        QFAIL("the text was accepted");
    } catch (const PropertyStore::ParseError& error) {
        QCOMPARE(error.Line(), line);
    }
}

void PropertyStoreTest::conversionFailuresAreErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");

    QTest::newRow("word as integer") << "v = abc"
                                     << "int";
    QTest::newRow("beyond 32 bits") << "v = 4294967296"
                                    << "int";
    QTest::newRow("nine hex digits") << "v = 0x100000000"
                                     << "int";
    QTest::newRow("beyond 16 bits") << "v = 40000"
                                    << "int16";
    QTest::newRow("word as Boolean") << "v = maybe"
                                     << "bool";
    QTest::newRow("empty font") << "v = \"\""
                                << "font";
    QTest::newRow("missing picture") << "v = \":/nothing/here.xpm\""
                                     << "picture";
    QTest::newRow("broken inline picture") << "v = \"png:AAAA\""
                                           << "picture";
}

void PropertyStoreTest::conversionFailuresAreErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, type);
    const PropertyStore store = PropertyStore::FromText(text);
    const QString key = QStringLiteral("V");
    if (type == "int")
        QVERIFY_THROWS_EXCEPTION(PropertyStore::ConversionError, store.ReadInt(key, 0));
    else if (type == "int16")
        QVERIFY_THROWS_EXCEPTION(PropertyStore::ConversionError, store.ReadInt16(key, 0));
    else if (type == "bool")
        QVERIFY_THROWS_EXCEPTION(PropertyStore::ConversionError, store.ReadBool(key, false));
    else if (type == "font")
        QVERIFY_THROWS_EXCEPTION(PropertyStore::ConversionError, store.ReadFont(key, QFont()));
    else
        QVERIFY_THROWS_EXCEPTION(PropertyStore::ConversionError, store.ReadPicture(key));
}

void PropertyStoreTest::absentKeysGiveTheDefault()
{
    const PropertyStore store = PropertyStore::FromText("cx = 1140\n");
    QCOMPARE(store.ReadInt("BTYPE", 2), 2);
    QCOMPARE(store.ReadInt16("MPTR", -3), -3);
    QCOMPARE(store.ReadBool("ENAB", true), true);
    QCOMPARE(store.ReadText("TX", "none"), QStringLiteral("none"));
    QFont font(QStringLiteral("Serif"));
    font.setPointSize(17);
    QCOMPARE(store.ReadFont("FONT", font), font);
    QVERIFY(!store.ReadPicture("PICN"));
    // A key the control never asks for stays as it was.
    QCOMPARE(store.ToText(), QStringLiteral("cx = 1140\n"));
}

void PropertyStoreTest::writingKeepsPlaceAndCase()
{
    PropertyStore store = PropertyStore::FromText("btype = 7\ntx = \"x\"\n");
    store.WriteInt("BTYPE", 2);
    store.WriteBool("ENAB", true);
    QCOMPARE(store.Keys(), (QStringList{"btype", "tx", "ENAB"}));
    QCOMPARE(store.ReadInt("Btype", 0), 2);

    // An empty picture has no entry at all.
    store.WritePicture("PICN", PropertyStore::LoadPicture(":/quorvel/save.xpm"));
    QVERIFY(store.Contains("picn"));
    store.WritePicture("picn", nullptr);
    QVERIFY(!store.Contains("PICN"));
}

void PropertyStoreTest::textFormRoundTripsEveryType()
{
    QImage memory(3, 2, QImage::Format_RGB32);
    memory.fill(QColor(10, 20, 30));
    memory.setPixel(2, 1, qRgb(200, 100, 50));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    font.setBold(true);

    PropertyStore store;
    store.WriteInt("BTYPE", -7);
    store.WriteColour("BCOL", static_cast<std::int32_t>(0x8000000F));
    store.WriteBool("ENAB", true);
    store.WriteBool("CHECK", false);
    store.WriteText("TX", "say \"hi\"\n\tnow\\");
    store.WriteFont("FONT", font);
    store.WritePicture("PICN", PropertyStore::LoadPicture(":/quorvel/ok.xpm"));
    store.WritePicture("PICH", Picture::FromImage(memory));

    const QString text = store.ToText();
    QVERIFY2(text.contains("BCOL = 0x8000000F\n"), qPrintable(text));
    QVERIFY2(text.contains("ENAB = -1\n"), qPrintable(text));
    QVERIFY2(text.contains("PICN = \":/quorvel/ok.xpm\"\n"), qPrintable(text));

    const PropertyStore back = PropertyStore::FromText(text);
    QCOMPARE(back.Keys(), store.Keys());
    QCOMPARE(back.ReadInt("btype", 0), -7);
    QCOMPARE(back.ReadInt("bcol", 0), static_cast<std::int32_t>(0x8000000F));
    QCOMPARE(back.ReadBool("enab", false), true);
    QCOMPARE(back.ReadBool("check", true), false);
    QCOMPARE(back.ReadText("tx", {}), QStringLiteral("say \"hi\"\n\tnow\\"));
    QCOMPARE(back.ReadFont("font", {}), font);
    const PropertyStore::PicturePtr named = back.ReadPicture("picn");
    QVERIFY(named);
    QCOMPARE(PropertyStore::PictureName(*named), QStringLiteral(":/quorvel/ok.xpm"));
    const PropertyStore::PicturePtr inline_ = back.ReadPicture("pich");
    QVERIFY(inline_);
    QCOMPARE(inline_->Image().convertToFormat(QImage::Format_RGB32), memory);
    // The text of what was read is the text that was written.
    QCOMPARE(back.ToText(), text);
}

void PropertyStoreTest::picturesKeepTheirNameAndHotSpot()
{
    const PropertyStore::PicturePtr hand = PropertyStore::LoadPicture(":/quorvel/hand-cursor.xpm");
    QVERIFY(hand);
    QCOMPARE(hand->Image().size(), QSize(32, 32));
    QCOMPARE(PropertyStore::PictureHotSpot(*hand), std::optional<QPoint>(QPoint(6, 0)));

    const PropertyStore::PicturePtr save = PropertyStore::LoadPicture(":/quorvel/save.xpm");
    QVERIFY(save);
    QCOMPARE(save->Image().size(), QSize(20, 20));
    QCOMPARE(PropertyStore::PictureHotSpot(*save), std::nullopt);

    QVERIFY(!PropertyStore::LoadPicture(":/quorvel/none.xpm"));
}

} // namespace quorvel::platform

QTEST_MAIN(quorvel::platform::PropertyStoreTest)
#include "property_store_test.moc"
