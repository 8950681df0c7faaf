#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "catalogue/mesh_record.h"
#include "catalogue/row_text.h"
#include "editor/catalogue_row_delegate.h"
#include "editor/code_page.h"
#include "editor/form1.h"
#include "editor/messenger.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace quorvel;
namespace cat = quorvel::catalogue;

namespace {

class RecordingMessenger final : public Messenger
{
public:
    struct Message
    {
        QString title;
        QString text;
    };

    void Warn(QWidget*, const QString& title, const QString& text) override
    {
        warnings.append({title, text});
    }
    void Inform(QWidget*, const QString& title, const QString& text) override
    {
        notices.append({title, text});
    }
    CloseChoice AskSaveBeforeClose(QWidget*, const QString&, const QString&) override
    {
        ++questions;
        return answer;
    }

    QList<Message> warnings;
    QList<Message> notices;
    int questions = 0;
    CloseChoice answer = CloseChoice::Cancel;
};

// Five records: plain single bars; double bars with listed diameters; an unlisted diameter with
// counts outside the list; and two more so that row 4 exists.
const QByteArray kFiveRecords = "Q131      \r\n5,2.15,150,150,1,5,1,5,1.308958,1.308958,2.09\r\n"
                                "DOUBLE    \r\n6,2.3,100,250,2,7.8,1,10.6,0,0,0\r\n"
                                "ODD       \r\n6,2.3,150,250,3,12,0,8,0,0,5.49\r\n"
                                "R257A     \r\n6,2.3,150,250,1,7,1,6,2.565559,1.130973,2.99\r\n"
                                "R335A     \r\n6,2.3,150,250,1,8,1,6,3.350933,1.130973,3.64\r\n";

QByteArray Records(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
        bytes += QByteArray::number(i).leftJustified(10, ' ') +
                 "\r\n5,2.15,150,150,1,5,1,5,1.308958,1.308958,2.09\r\n";
    }
    return bytes;
}

// The name line and number line the catalogue file holds for a record.
QByteArray FileLines(const cat::MeshRecord& record)
{
    cat::MeshTable table;
    table[1] = record;
    return QByteArray::fromStdString(cat::SerializeMeshLibrary(table));
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A window on a catalogue of its own temporary folder.
struct Editor
{
    explicit Editor(const QByteArray& catalogue)
    {
        WriteFile(LibraryPath(), catalogue);
        Open();
    }

    void Open()
    {
        form = std::make_unique<Form1>(folder.path().toStdString(), messenger);
        loaded = form->Form_Load();
    }

    QString LibraryPath() const { return folder.filePath(QStringLiteral("ZAFIK.LIB")); }

    template <typename T> T* Control(const QString& name) const
    {
        T* control = form->findChild<T*>(name);
        if (!control) {
            qFatal("no control %s", qPrintable(name));
        }
        return control;
    }
    QLineEdit* Text1(int i) const { return Control<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QComboBox* Combo1(int i) const
    {
        return Control<QComboBox>(QStringLiteral("Combo1(%1)").arg(i));
    }
    QListWidget* List1() const { return Control<QListWidget>(QStringLiteral("List1")); }
    QString FrameCaption() const { return Control<QGroupBox>(QStringLiteral("Frame2"))->title(); }

    QStringList Rows() const
    {
        QStringList rows;
        for (int r = 0; r < List1()->count(); ++r) {
            rows.append(List1()->item(r)->text());
        }
        return rows;
    }

    // "Text1(1)=2,5" types into a field; "Combo1(1)=8" picks an item by its text.
    void Enter(const QStringList& edits) const
    {
        for (const QString& edit : edits) {
            const qsizetype equals = edit.indexOf(QLatin1Char('='));
            const QString name = edit.left(equals);
            const QString value = edit.mid(equals + 1);
            if (auto* combo = form->findChild<QComboBox*>(name)) {
                const int item = combo->findText(value);
                if (item < 0) {
                    qFatal("%s has no item %s", qPrintable(name), qPrintable(value));
                }
                combo->setCurrentIndex(item);
            } else {
                Control<QLineEdit>(name)->setText(value);
            }
        }
    }

    bool TopMost() const { return form->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    QTemporaryDir folder;
    RecordingMessenger messenger;
    std::unique_ptr<Form1> form;
    bool loaded = false;
};

const QStringList kDiameters = {"4.2", "5", "5.5", "6", "6.5",  "7",  "7.5",
                                "7.8", "8", "8.5", "9", "9.89", "10", "10.6"};

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items.append(combo->itemText(i));
    }
    return items;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp_data();
    void startUp();
    void layout_data();
    void layout();
    void tabOrder();
    void fonts_data();
    void fonts();
    void headerRulesStandOverRowRules();
    void showRecord_data();
    void showRecord();
    void clickingARowShowsIt();
    void emptyRowAfterFullCatalogue();
    void apply_data();
    void apply();
    void applyRefused_data();
    void applyRefused();
    void applyRefusedWhenFull();
    void acceptedNamesSurviveSaveAndReload_data();
    void acceptedNamesSurviveSaveAndReload();
    void focusColours();
    void saveTwiceWritesTheSameFile();
    void okNeverTouchesTheFile();
    void failedSaveKeepsEverything();
    void closePrompt_data();
    void closePrompt();
    void unreadableCatalogue_data();
    void unreadableCatalogue();
};

void Form1Test::startUp_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("notices");

    QTest::newRow("three records")
        << kFiveRecords.left(kFiveRecords.indexOf("R257A")) << 4 << "Q131      " << 0;
    QTest::newRow("empty catalogue") << QByteArray() << 1 << "" << 0;
    QTest::newRow("1000 records") << Records(1000) << 1001 << "1         " << 0;
    QTest::newRow("1003 records") << Records(1003) << 1001 << "1         " << 1;
}

void Form1Test::startUp()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(int, rows);
    QFETCH(QString, name);
    QFETCH(int, notices);

    Editor editor(catalogue);
    QVERIFY(editor.loaded);
    QCOMPARE(editor.List1()->count(), rows);
    QCOMPARE(editor.List1()->currentRow(), 0);
    QCOMPARE(editor.List1()->item(rows - 1)->text(), QString());
    QCOMPARE(editor.form->CurrentIndex(), 1);
    QCOMPARE(editor.FrameCaption(), QStringLiteral("1. WELDED WIRE FABRIC REINF."));
    QCOMPARE(editor.Text1(0)->text(), name);
    QCOMPARE(Items(editor.Combo1(1)), kDiameters);
    QCOMPARE(Items(editor.Combo1(3)), kDiameters);
    QCOMPARE(Items(editor.Combo1(0)), QStringList({"1", "2"}));
    QCOMPARE(Items(editor.Combo1(2)), QStringList({"1", "2"}));
    QVERIFY(editor.TopMost());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("WELDED WIRE FABRIC REINF. LIBRARY"));
    QCOMPARE(editor.messenger.notices.size(), notices);
    if (notices > 0) {
        QVERIFY2(editor.messenger.notices[0].text.contains(QStringLiteral(" 3 more")),
                 qPrintable(editor.messenger.notices[0].text));
    }
    QVERIFY(editor.messenger.warnings.isEmpty());
    QVERIFY(!editor.form->HasUnsavedChanges());
}

void Form1Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("accessibleName");

    // Pixel positions of the design at 15 twips to the pixel.
    const auto row = [](const char* name, const char* parent, QRect rect, const char* access) {
        QTest::newRow(name) << name << parent << rect << QString::fromUtf8(access);
    };
    row("Frame2", "Form1", QRect(4, 4, 517, 151), "");
    row("Command1", "Form1", QRect(540, 53, 76, 53), "save");
    row("Command2", "Frame2", QRect(431, 17, 71, 34), "OK");
    row("Label2(0)", "Frame2", QRect(10, 14, 93, 19), "REINF GRID TYPE");
    row("Text1(0)", "Frame2", QRect(10, 34, 93, 19), "REINF GRID TYPE");
    row("Text1(2)", "Frame2", QRect(114, 80, 91, 19), "REINF GRID WID.(m)");
    row("Text1(4)", "Frame2", QRect(114, 126, 91, 19), "SPACE-wid. mm");
    row("Text1(5)", "Frame2", QRect(224, 126, 131, 19), "Unit weight   (kg.m²)");
    row("Combo1(0)", "Frame2", QRect(224, 78, 39, 21), "Item");
    row("Combo1(1)", "Frame2", QRect(264, 78, 91, 21), "DIA.- len. (mm)");
    row("Combo1(3)", "Frame2", QRect(414, 78, 91, 21), "DIA.- wid. (mm)");
    row("Label2(9)", "Frame2", QRect(374, 58, 39, 19), "Item");
    row("QEVbanner1", "Form1", QRect(3, 159, 625, 38), "");
    row("Label1(0)", "QEVbanner1", QRect(-4, 5, 617, 17), "");
    row("Label1(1)", "QEVbanner1", QRect(-4, 20, 619, 17), "");
    row("List1", "Form1", QRect(2, 198, 627, 289), "Catalogue");
}

void Form1Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, accessibleName);

    Editor editor(kFiveRecords);
    QCOMPARE(editor.form->size(), QSize(631, 492));
    const auto* control = editor.Control<QWidget>(name);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    if (!accessibleName.isEmpty()) {
        QCOMPARE(control->accessibleName(), accessibleName);
    }
}

void Form1Test::tabOrder()
{
    Editor editor(kFiveRecords);
    const QStringList expected = {"List1",     "Text1(0)",  "Text1(1)", "Text1(2)",  "Text1(3)",
                                  "Text1(4)",  "Combo1(1)", "Text1(5)", "Combo1(0)", "Combo1(2)",
                                  "Combo1(3)", "Command1",  "Command2"};
    QStringList order;
    QWidget* widget = editor.List1();
    for (int i = 0; i < expected.size(); ++i) {
        order.append(widget->objectName());
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty());
    }
    QCOMPARE(order, expected);
}

void Form1Test::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("design"); // empty: no design face, any installed one serves
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Form1") << "Form1"
                           << "MS Sans Serif" << 13 << false;
    QTest::newRow("Frame2") << "Frame2"
                            << "Verdana" << 11 << true;
    QTest::newRow("Label2(0)") << "Label2(0)"
                               << "Tahoma" << 11 << true;
    QTest::newRow("Text1(5)") << "Text1(5)"
                              << "Tahoma" << 11 << true;
    QTest::newRow("Combo1(3)") << "Combo1(3)"
                               << "Tahoma" << 11 << true;
    QTest::newRow("Label1(1)") << "Label1(1)"
                               << "" << 13 << true;
    QTest::newRow("List1") << "List1"
                           << "" << 13 << true;
}

// Each font names an installed family, so loading it needs no fallback search, and it is the
// face the design name would have found through the substitution table.
void Form1Test::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, design);
    QFETCH(int, pixels);
    QFETCH(bool, bold);

    Editor editor(kFiveRecords);
    const QWidget* control = name == "Form1" ? editor.form.get() : editor.Control<QWidget>(name);
    const QFont font = control->font();
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QVERIFY2(QFontDatabase::families().contains(font.family(), Qt::CaseInsensitive),
             qPrintable(font.family()));
    if (!design.isEmpty()) {
        QFont byDesignName = font;
        byDesignName.setFamily(design);
        QCOMPARE(QFontInfo(font).family(), QFontInfo(byDesignName).family());
    }
}

// The header lines' column rules must stand over the rows' on screen: a header "¡" at text
// position k sits over the row's rule at position k - 1.
void Form1Test::headerRulesStandOverRowRules()
{
    Editor editor(kFiveRecords);
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));

    const QListWidget* list = editor.List1();
    const auto* delegate = qobject_cast<const CatalogueRowDelegate*>(list->itemDelegate());
    QVERIFY(delegate);
    const QFontMetricsF rowMetrics(list->font());
    const QString row = list->item(0)->text();
    const double rowLeft = list->viewport()->mapTo(editor.form.get(), QPoint(0, 0)).x() +
                           list->visualItemRect(list->item(0)).left() + delegate->TextLeft();

    const QChar rule(0x00A1);
    for (const int line : {0, 1}) {
        const auto* header = editor.Control<QLabel>(QStringLiteral("Label1(%1)").arg(line));
        const QFontMetricsF headerMetrics(header->font());
        QCOMPARE(header->font().family(), list->font().family());
        const QString text = header->text();
        const double headerLeft =
            header->mapTo(editor.form.get(), header->contentsRect().topLeft()).x();
        // The first line's closing rule closes the line rather than a column.
        const qsizetype last = line == 0 ? text.size() - 1 : text.size();
        int compared = 0;
        for (qsizetype k = 1; k < last; ++k) {
            if (text[k] != rule) {
                continue;
            }
            QCOMPARE(row[k - 1], rule);
            const double headerX = headerLeft + headerMetrics.horizontalAdvance(text.left(k));
            const double rowX = rowLeft + rowMetrics.horizontalAdvance(row.left(k - 1));
            QVERIFY2(std::abs(headerX - rowX) <= 0.5,
                     qPrintable(QStringLiteral("line %1 rule %2: header at %3, row at %4")
                                    .arg(line)
                                    .arg(k)
                                    .arg(headerX)
                                    .arg(rowX)));
            ++compared;
        }
        QVERIFY(compared > 0);
    }
}

void Form1Test::showRecord_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("fields");     // Text1(0) .. Text1(5)
    QTest::addColumn<QStringList>("selections"); // Combo1(0) .. Combo1(3), "" for none

    QTest::newRow("single bars") << 0 << "1. WELDED WIRE FABRIC REINF."
                                 << QStringList{"Q131      ", "5.00", "2.15", "150", "150", "2.09"}
                                 << QStringList{"1", "5", "1", "5"};
    QTest::newRow("double bars, unit weight 0")
        << 1 << "2. WELDED WIRE FABRIC REINF."
        << QStringList{"DOUBLE    ", "6.00", "2.30", "100", "250", "0.00"}
        << QStringList{"2", "7.8", "1", "10.6"};
    // An unlisted diameter shows as an extra item holding it; counts outside 1 and 2 show none.
    QTest::newRow("unlisted diameter, odd counts")
        << 2 << "3. WELDED WIRE FABRIC REINF."
        << QStringList{"ODD       ", "6.00", "2.30", "150", "250", "5.49"}
        << QStringList{"", "12", "", "8"};
    QTest::newRow("row 4 shows slot 5")
        << 4 << "5. WELDED WIRE FABRIC REINF."
        << QStringList{"R335A     ", "6.00", "2.30", "150", "250", "3.64"}
        << QStringList{"1", "8", "1", "6"};
    QTest::newRow("empty last row")
        << 5 << "6. WELDED WIRE FABRIC REINF." << QStringList{"", "0.00", "0.00", "0", "0", "0.00"}
        << QStringList{"", "4.2", "", "4.2"};
}

void Form1Test::showRecord()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, selections);

    Editor editor(kFiveRecords);
    // Pass through the unlisted diameter first: its extra item must not stay behind.
    editor.List1()->setCurrentRow(2);
    editor.List1()->setCurrentRow(row);

    QCOMPARE(editor.form->CurrentIndex(), row + 1);
    QCOMPARE(editor.FrameCaption(), caption);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(editor.Text1(i)->text(), fields[i]);
    }
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(editor.Combo1(i)->currentText(), selections[i]);
    }
    const int listed = selections[1] == "12" ? 15 : 14;
    QCOMPARE(editor.Combo1(1)->count(), listed);
    QCOMPARE(editor.Combo1(3)->count(), 14);
}

void Form1Test::clickingARowShowsIt()
{
    Editor editor(kFiveRecords);
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
    QListWidget* list = editor.List1();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    QCOMPARE(editor.form->CurrentIndex(), 4);
    QCOMPARE(editor.Text1(0)->text(), QStringLiteral("R257A     "));
}

void Form1Test::emptyRowAfterFullCatalogue()
{
    Editor editor(Records(1000));
    editor.List1()->setCurrentRow(1000);
    QCOMPARE(editor.form->CurrentIndex(), 1001);
    QCOMPARE(editor.FrameCaption(), QStringLiteral("1001. WELDED WIRE FABRIC REINF."));
    QCOMPARE(editor.Text1(0)->text(), QString());
    QCOMPARE(editor.Text1(1)->text(), QStringLiteral("0.00"));
    QCOMPARE(editor.Combo1(0)->currentIndex(), -1);
    QCOMPARE(editor.Combo1(1)->currentText(), QStringLiteral("4.2"));
}

void Form1Test::apply_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArray>("stored"); // the record's lines in the file form
    QTest::addColumn<int>("rows");

    QTest::newRow("name and length, comma ends the number")
        << 0 << QStringList{"Text1(0)=Q131X", "Text1(1)=2,5"}
        << QByteArray("Q131X     \r\n2,2.15,150,150,1,5,1,5,1.308958,1.308958,2.09\r\n") << 6;
    QTest::newRow("double bars derive twice the area")
        << 0 << QStringList{"Combo1(0)=2", "Combo1(1)=8"}
        << QByteArray("Q131      \r\n5,2.15,150,150,2,8,1,5,6.701867,1.308958,2.09\r\n") << 6;
    QTest::newRow("name longer than 10 is cut, quote inside kept")
        << 1 << QStringList{"Text1(0)=Q\"12345678901"}
        << QByteArray("Q\"12345678\r\n6,2.3,100,250,2,7.8,1,10.6,9.556443,3.52979,0\r\n") << 6;
    QTest::newRow("empty row becomes a record and opens a new empty row")
        << 5 << QStringList{"Text1(0)=NEW", "Text1(1)=6", "Text1(2)=2.3", "Text1(3)=100",
                            "Text1(4)=150", "Text1(5)=3", "Combo1(0)=1",  "Combo1(1)=7.8",
                            "Combo1(2)=1",  "Combo1(3)=5"}
        << QByteArray("NEW       \r\n6,2.3,100,150,1,7.8,1,5,4.778222,1.308958,3\r\n") << 7;
    QTest::newRow("blank name on the empty row is still a record")
        << 5 << QStringList{"Text1(3)=150", "Text1(4)=150"}
        << QByteArray("          \r\n0,0,150,150,0,4.2,0,4.2,0,0,0\r\n") << 7;
    QTest::newRow("unlisted diameter and odd counts are kept")
        << 2 << QStringList{"Text1(5)=6"}
        << QByteArray("ODD       \r\n6,2.3,150,250,3,12,0,8,22.6188,0,6\r\n") << 6;
    QTest::newRow("picked diameter replaces an unlisted one")
        << 2 << QStringList{"Combo1(1)=8", "Combo1(0)=1", "Combo1(2)=1"}
        << QByteArray("ODD       \r\n6,2.3,150,250,1,8,1,8,3.350933,2.01056,5.49\r\n") << 6;
}

void Form1Test::apply()
{
    QFETCH(int, row);
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, stored);
    QFETCH(int, rows);

    Editor editor(kFiveRecords);
    const QStringList before = editor.Rows();
    editor.List1()->setCurrentRow(row);
    editor.Enter(edits);
    editor.form->Command2_Click();

    QVERIFY2(editor.messenger.warnings.isEmpty(),
             qPrintable(editor.messenger.warnings.value(0).text));
    const cat::MeshRecord& record = editor.form->MeshTable()[row + 1];
    QCOMPARE(FileLines(record), stored);
    QCOMPARE(editor.List1()->count(), rows);
    QCOMPARE(editor.List1()->currentRow(), row);
    QCOMPARE(editor.List1()->item(row)->text(), FromCodePage(cat::RowText(record)));
    QCOMPARE(editor.List1()->item(rows - 1)->text(), QString());
    for (int r = 0; r < before.size() - 1; ++r) {
        if (r != row) {
            QCOMPARE(editor.List1()->item(r)->text(), before[r]);
        }
    }
    QVERIFY(editor.form->HasUnsavedChanges());
}

void Form1Test::applyRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("reason"); // part of the message

    QTest::newRow("length-direction spacing 0")
        << 0 << QStringList{"Text1(3)=0"} << "SPACE-len. mm";
    QTest::newRow("width-direction spacing not a number")
        << 0 << QStringList{"Text1(4)=abc"} << "SPACE-wid. mm";
    QTest::newRow("spacing missing on the empty row")
        << 5 << QStringList{"Text1(0)=NEW", "Text1(3)=150"} << "SPACE-wid. mm";
    QTest::newRow("comma in the name") << 0 << QStringList{"Text1(0)=Q1,31"} << "comma";
    QTest::newRow("double quote first after blanks")
        << 0 << QStringList{"Text1(0)=  \"Q131"} << "double quote";
    QTest::newRow("character outside the code page")
        << 0 << QStringList{"Text1(0)=Q\u6F22"} << "cannot store";
    QTest::newRow("control character") << 0 << QStringList{"Text1(0)=\tQ131"} << "control";
    QTest::newRow("number beyond single precision")
        << 0 << QStringList{"Text1(1)=1e39"} << "REINF GRID LEN.(m)";
}

void Form1Test::applyRefused()
{
    QFETCH(int, row);
    QFETCH(QStringList, edits);
    QFETCH(QString, reason);

    Editor editor(kFiveRecords);
    const cat::MeshTable before = editor.form->MeshTable();
    const QStringList rows = editor.Rows();
    editor.List1()->setCurrentRow(row);
    editor.Enter(edits);
    QStringList typed;
    for (int i = 0; i < 6; ++i) {
        typed.append(editor.Text1(i)->text());
    }
    editor.form->Command2_Click();

    QCOMPARE(editor.messenger.warnings.size(), 1);
    QVERIFY2(editor.messenger.warnings[0].text.contains(reason),
             qPrintable(editor.messenger.warnings[0].text));
    QVERIFY(editor.form->MeshTable() == before);
    QCOMPARE(editor.Rows(), rows);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(editor.Text1(i)->text(), typed[i]);
    }
    QVERIFY(!editor.form->HasUnsavedChanges());
}

void Form1Test::applyRefusedWhenFull()
{
    Editor editor(Records(1000));
    const cat::MeshTable before = editor.form->MeshTable();
    editor.List1()->setCurrentRow(1000);
    editor.Enter({"Text1(0)=NEW", "Text1(3)=150", "Text1(4)=150"});
    editor.form->Command2_Click();

    QCOMPARE(editor.messenger.warnings.size(), 1);
    QVERIFY(editor.messenger.warnings[0].text.contains(QStringLiteral("the catalogue is full"),
                                                       Qt::CaseInsensitive));
    QVERIFY(editor.form->MeshTable() == before);
    QCOMPARE(editor.List1()->count(), 1001);
    QCOMPARE(editor.Text1(0)->text(), QStringLiteral("NEW"));
}

void Form1Test::acceptedNamesSurviveSaveAndReload_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reloaded");

    QTest::newRow("plain") << "Q131"
                           << "Q131      ";
    QTest::newRow("Turkish letters") << "\u015E\u011E\u00DC\u0130\u00D6\u00C7\u0131\u011F"
                                     << "\u015E\u011E\u00DC\u0130\u00D6\u00C7\u0131\u011F  ";
    QTest::newRow("column rule and euro") << "\u00A1Q\u20AC"
                                          << "\u00A1Q\u20AC       ";
    QTest::newRow("quote after the first character") << "Q\"1\""
                                                     << "Q\"1\"      ";
    QTest::newRow("leading blanks") << "  Q1"
                                    << "  Q1      ";
    QTest::newRow("all blanks") << ""
                                << "          ";
}

void Form1Test::acceptedNamesSurviveSaveAndReload()
{
    QFETCH(QString, typed);
    QFETCH(QString, reloaded);

    Editor editor(kFiveRecords);
    editor.List1()->setCurrentRow(1);
    editor.Enter({"Text1(0)=" + typed, "Text1(1)=1.005"});
    editor.form->Command2_Click();
    editor.form->Command1_Click();
    QVERIFY(editor.messenger.warnings.isEmpty());

    editor.Open();
    QVERIFY(editor.loaded);
    QCOMPARE(editor.List1()->count(), 6);
    editor.List1()->setCurrentRow(1);
    QCOMPARE(editor.Text1(0)->text(), reloaded);
    QCOMPARE(editor.Text1(1)->text(), QStringLiteral("1.01"));
}

void Form1Test::focusColours()
{
    Editor editor(kFiveRecords);
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowActive(editor.form.get()));
    const QColor resting(0xF4, 0xF4, 0xFF);
    const QColor focused(Qt::white);
    const auto back = [&](int i) { return editor.Text1(i)->palette().color(QPalette::Base); };

    for (int i = 0; i < 6; ++i) {
        QCOMPARE(back(i), resting);
    }
    editor.Text1(3)->setFocus();
    QTRY_VERIFY(editor.Text1(3)->hasFocus());
    QCOMPARE(back(3), focused);
    editor.Text1(4)->setFocus();
    QTRY_VERIFY(editor.Text1(4)->hasFocus());
    QCOMPARE(back(3), resting);
    QCOMPARE(back(4), focused);
    editor.List1()->setFocus();
    QTRY_VERIFY(editor.List1()->hasFocus());
    QCOMPARE(back(4), resting);
}

void Form1Test::saveTwiceWritesTheSameFile()
{
    Editor editor(kFiveRecords);
    editor.List1()->setCurrentRow(5);
    editor.Enter({"Text1(0)=NEW", "Text1(3)=100", "Text1(4)=100"});
    editor.form->Command2_Click();

    editor.form->Command1_Click();
    const QByteArray first = ReadFile(editor.LibraryPath());
    editor.form->Command1_Click();
    QCOMPARE(ReadFile(editor.LibraryPath()), first);
    QVERIFY(editor.messenger.warnings.isEmpty());
    QVERIFY(!editor.form->HasUnsavedChanges());
    // Unapplied records keep their stored lines byte for byte; the new one follows them.
    QVERIFY(first.startsWith(kFiveRecords));
    QVERIFY(first.endsWith("NEW       \r\n0,0,100,100,0,4.2,0,4.2,0,0,0\r\n"));
}

void Form1Test::okNeverTouchesTheFile()
{
    Editor editor(kFiveRecords);
    const QDateTime written = QFileInfo(editor.LibraryPath()).lastModified();
    QTest::qWait(20);
    editor.List1()->setCurrentRow(0);
    editor.Enter({"Text1(0)=CHANGED"});
    editor.form->Command2_Click();
    editor.List1()->setCurrentRow(5);
    editor.Enter({"Text1(0)=NEW", "Text1(3)=100", "Text1(4)=100"});
    editor.form->Command2_Click();

    QCOMPARE(ReadFile(editor.LibraryPath()), kFiveRecords);
    QCOMPARE(QFileInfo(editor.LibraryPath()).lastModified(), written);
    QCOMPARE(QDir(editor.folder.path()).entryList(QDir::Files), QStringList{"ZAFIK.LIB"});
}

void Form1Test::failedSaveKeepsEverything()
{
    Editor editor(kFiveRecords);
    editor.List1()->setCurrentRow(0);
    editor.Enter({"Text1(0)=CHANGED"});
    editor.form->Command2_Click();
    const cat::MeshTable table = editor.form->MeshTable();
    const QStringList rows = editor.Rows();

    // The data folder disappears while the editor runs.
    const QString moved = editor.folder.path() + QStringLiteral("-moved");
    QVERIFY(QDir().rename(editor.folder.path(), moved));
    editor.form->Command1_Click();
    const QByteArray old = ReadFile(moved + QStringLiteral("/ZAFIK.LIB"));
    QDir().rename(moved, editor.folder.path());

    QCOMPARE(editor.messenger.warnings.size(), 1);
    QVERIFY(editor.messenger.warnings[0].text.contains(editor.LibraryPath()));
    QCOMPARE(old, kFiveRecords);
    QVERIFY(editor.form->MeshTable() == table);
    QCOMPARE(editor.Rows(), rows);
    QVERIFY(editor.form->HasUnsavedChanges());
}

void Form1Test::closePrompt_data()
{
    QTest::addColumn<bool>("applied");
    QTest::addColumn<bool>("savedSince");
    QTest::addColumn<int>("answer"); // Messenger::CloseChoice
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("fileChanged");

    using C = Messenger::CloseChoice;
    QTest::newRow("nothing changed")
        << false << false << int(C::Cancel) << false << 0 << true << false;
    QTest::newRow("changes saved before closing")
        << true << true << int(C::Cancel) << false << 0 << true << true;
    QTest::newRow("save") << true << false << int(C::Save) << false << 1 << true << true;
    QTest::newRow("discard") << true << false << int(C::Discard) << false << 1 << true << false;
    QTest::newRow("cancel") << true << false << int(C::Cancel) << false << 1 << false << false;
    QTest::newRow("save fails") << true << false << int(C::Save) << true << 1 << false << false;
}

void Form1Test::closePrompt()
{
    QFETCH(bool, applied);
    QFETCH(bool, savedSince);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(int, questions);
    QFETCH(bool, closed);
    QFETCH(bool, fileChanged);

    Editor editor(kFiveRecords);
    editor.messenger.answer = static_cast<Messenger::CloseChoice>(answer);
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form.get()));
    if (applied) {
        editor.Enter({"Text1(0)=CHANGED"});
        editor.form->Command2_Click();
    }
    if (savedSince) {
        editor.form->Command1_Click();
    }
    if (saveFails) {
        // The library path is taken by a folder, so the file cannot be replaced.
        QVERIFY(QFile::remove(editor.LibraryPath()));
        QVERIFY(QDir().mkdir(editor.LibraryPath()));
    }

    QCOMPARE(editor.form->close(), closed);
    QCOMPARE(editor.messenger.questions, questions);
    QCOMPARE(editor.form->isVisible(), !closed);
    QCOMPARE(editor.TopMost(), !closed);
    QCOMPARE(editor.messenger.warnings.size(), saveFails ? 1 : 0);
    if (!saveFails) {
        QCOMPARE(ReadFile(editor.LibraryPath()) != kFiveRecords, fileChanged);
    }
}

void Form1Test::unreadableCatalogue_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("no catalogue file") << "no file";
    QTest::newRow("no data folder") << "no folder";
    QTest::newRow("catalogue is a folder") << "folder";
}

void Form1Test::unreadableCatalogue()
{
    QFETCH(QString, problem);

    QTemporaryDir root;
    QString folder = root.path();
    if (problem == "no folder") {
        folder += QStringLiteral("/missing");
    } else if (problem == "folder") {
        QVERIFY(QDir(folder).mkdir(QStringLiteral("ZAFIK.LIB")));
    }
    RecordingMessenger messenger;
    Form1 form(folder.toStdString(), messenger);
    QVERIFY(!form.Form_Load());
    QCOMPARE(messenger.warnings.size(), 1);
    const QString path = folder + QStringLiteral("/ZAFIK.LIB");
    QVERIFY2(messenger.warnings[0].text.contains(path), qPrintable(messenger.warnings[0].text));
    // The reason follows the path.
    QVERIFY(messenger.warnings[0].text.size() >
            messenger.warnings[0].text.indexOf(path) + path.size() + 4);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
