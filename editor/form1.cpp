#include "editor/form1.h"

#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "catalogue/number_format.h"
#include "catalogue/row_text.h"
#include "catalogue/section_area.h"
#include "controls/banner/qevbanner.h"
#include "controls/button/button.h"
#include "editor/catalogue_row_delegate.h"
#include "editor/code_page.h"
#include "editor/grid_type_name.h"
#include "editor/messenger.h"
#include "editor/window_fonts.h"
#include "editor/window_units.h"
#include "platform/property_store.h"
#include "resources/resource_paths.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QWindow>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <optional>

namespace quorvel {
namespace {

namespace cat = catalogue;

const QString kCaption = QStringLiteral("WELDED WIRE FABRIC REINF. LIBRARY");
const QString kFrameCaption = QStringLiteral(". WELDED WIRE FABRIC REINF.");

constexpr std::uint32_t kLabelBack = 0x00800000;
constexpr std::uint32_t kLabelFore = 0x00FFFFFF;
constexpr std::uint32_t kFieldResting = 0x00FFF4F4;
constexpr std::uint32_t kFieldFocused = 0x00FFFFFF;
constexpr std::uint32_t kFrameFore = 0x00000080;
constexpr std::uint32_t kListBack = 0x00808000;
constexpr std::uint32_t kListFore = 0x00FFFFFF;

const char* const kDiameters[] = {"4.2", "5", "5.5", "6", "6.5",  "7",  "7.5",
                                  "7.8", "8", "8.5", "9", "9.89", "10", "10.6"};
constexpr int kDiameterCount = static_cast<int>(std::size(kDiameters));

struct LabelPlace
{
    const char* text;
    int left, top, width, height;
};

// Label2(0) .. Label2(9), each standing directly above the field it names.
constexpr LabelPlace kLabel2[] = {
    {"REINF GRID TYPE", 150, 210, 1395, 285},
    {"REINF GRID LEN.(m)", 150, 900, 1395, 285},
    {"REINF GRID WID.(m)", 1710, 900, 1365, 285},
    {"SPACE-len. mm", 150, 1590, 1395, 285},
    {"SPACE-wid. mm", 1710, 1590, 1365, 285},
    {"DIA.- len. (mm)", 3960, 870, 1365, 285},
    {"DIA.- wid. (mm)", 6210, 870, 1365, 285},
    {"Unit weight   (kg.m\u00B2)", 3360, 1590, 1965, 285},
    {"Item", 3360, 870, 555, 285},
    {"Item", 5610, 870, 585, 285},
};

struct FieldPlace
{
    int left, top, width, height;
    int label; // the Label2 that names it
};

constexpr FieldPlace kText1[] = {
    {150, 510, 1395, 285, 0},  {150, 1200, 1395, 285, 1},  {1710, 1200, 1365, 285, 2},
    {150, 1890, 1395, 285, 3}, {1710, 1890, 1365, 285, 4}, {3360, 1890, 1965, 285, 7},
};

constexpr FieldPlace kCombo1[] = {
    {3360, 1170, 585, 315, 8},
    {3960, 1170, 1365, 315, 5},
    {5610, 1170, 585, 315, 9},
    {6210, 1170, 1365, 315, 6},
};

QString Latin(const std::string& ascii)
{
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

double ReadField(const QString& text)
{
    return cat::ReadNumber(text.toStdString());
}

// A name as the window shows it: a never-written slot holds NUL bytes, which show as nothing.
QString GridTypeText(const cat::MeshRecord& record)
{
    const auto& bytes = record.GridType;
    const void* nul = std::memchr(bytes.data(), 0, bytes.size());
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()) : bytes.size();
    return FromCodePage(std::string_view(bytes.data(), length));
}

void SetColours(QWidget* widget, std::uint32_t back, std::optional<std::uint32_t> fore,
                std::initializer_list<QPalette::ColorRole> backRoles, QPalette::ColorRole foreRole)
{
    QPalette palette = widget->palette();
    for (const auto role : backRoles) {
        palette.setColor(role, BgrColor(back));
    }
    if (fore) {
        palette.setColor(foreRole, BgrColor(*fore));
    }
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setGeometry(rect);
    label->setFont(font);
    label->setMargin(0);
    label->setIndent(0);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

Form1::Form1(std::string dataFolder, Messenger& messenger, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      mDataFolder(std::move(dataFolder)), mMessenger(messenger),
      mMeshTable(std::make_unique<cat::MeshTable>())
{
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setWindowIcon(QIcon(QString::fromLatin1(resources::kWindowIcon)));
    setFont(FormFont());
    setFixedSize(TwipsRect(0, 0, 9465, 7380).size());

    CreateControls();
    CreateCommandButtons();
    SetTabOrder();
    AlignRowsUnderHeader();

    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

Form1::~Form1() = default;

void Form1::CreateControls()
{
    // Titled only once it has its own font: a title in the window's font would load that font
    // just to measure it.
    mFrame2 = new QGroupBox(this);
    mFrame2->setObjectName(QStringLiteral("Frame2"));
    mFrame2->setGeometry(TwipsRect(60, 60, 7755, 2265));
    mFrame2->setFont(FrameFont());
    mFrame2->setTitle(QStringLiteral("1") + kFrameCaption);
    mFrame2->setFocusPolicy(Qt::NoFocus);
    {
        QPalette palette = mFrame2->palette();
        palette.setColor(QPalette::WindowText, BgrColor(kFrameFore));
        mFrame2->setPalette(palette);
    }

    const QFont fieldFont = FieldFont();
    for (std::size_t i = 0; i < mLabel2.size(); ++i) {
        const LabelPlace& place = kLabel2[i];
        mLabel2[i] =
            MakeLabel(mFrame2, QStringLiteral("Label2(%1)").arg(i), QString::fromUtf8(place.text),
                      TwipsRect(place.left, place.top, place.width, place.height), fieldFont);
        mLabel2[i]->setAutoFillBackground(true);
        SetColours(mLabel2[i], kLabelBack, kLabelFore, {QPalette::Window}, QPalette::WindowText);
    }

    for (std::size_t i = 0; i < mText1.size(); ++i) {
        const FieldPlace& place = kText1[i];
        auto* box = new QLineEdit(mFrame2);
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        box->setAccessibleName(mLabel2[static_cast<std::size_t>(place.label)]->text());
        box->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
        box->setFont(fieldFont);
        SetColours(box, kFieldResting, std::nullopt, {QPalette::Base}, QPalette::Text);
        box->installEventFilter(this);
        mLabel2[static_cast<std::size_t>(place.label)]->setBuddy(box);
        mText1[i] = box;
    }

    for (std::size_t i = 0; i < mCombo1.size(); ++i) {
        const FieldPlace& place = kCombo1[i];
        auto* combo = new QComboBox(mFrame2);
        combo->setObjectName(QStringLiteral("Combo1(%1)").arg(i));
        combo->setAccessibleName(mLabel2[static_cast<std::size_t>(place.label)]->text());
        combo->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
        combo->setFont(fieldFont);
        combo->setEditable(false);
        SetColours(combo, kFieldResting, std::nullopt, {QPalette::Base, QPalette::Button},
                   QPalette::Text);
        mLabel2[static_cast<std::size_t>(place.label)]->setBuddy(combo);
        mCombo1[i] = combo;
    }
    // The bar counts: single or double bars per position.
    for (const std::size_t i : {std::size_t{0}, std::size_t{2}}) {
        mCombo1[i]->addItems({QStringLiteral("1"), QStringLiteral("2")});
    }

    mQEVbanner1 = new QEVbanner(this);
    mQEVbanner1->setObjectName(QStringLiteral("QEVbanner1"));
    mQEVbanner1->setGeometry(TwipsRect(45, 2385, 9375, 570));
    mQEVbanner1->setFocusPolicy(Qt::NoFocus);

    const QFont listFont = ListFont();
    const std::string_view headers[] = {cat::HeaderLine1(), cat::HeaderLine2()};
    const QRect headerRects[] = {TwipsRect(-60, 75, 9255, 255), TwipsRect(-60, 300, 9285, 255)};
    for (std::size_t i = 0; i < mLabel1.size(); ++i) {
        mLabel1[i] = MakeLabel(mQEVbanner1, QStringLiteral("Label1(%1)").arg(i),
                               FromCodePage(headers[i]), headerRects[i], listFont);
        // No background fill: the header text lies over the banner's shading.
        SetColours(mLabel1[i], kLabelBack, kLabelFore, {QPalette::Window}, QPalette::WindowText);
    }

    mList1 = new QListWidget(this);
    mList1->setObjectName(QStringLiteral("List1"));
    mList1->setAccessibleName(QStringLiteral("Catalogue"));
    mList1->setGeometry(TwipsRect(30, 2970, 9405, 4335));
    mList1->setFont(listFont);
    mList1->setSelectionMode(QAbstractItemView::SingleSelection);
    mList1->setUniformItemSizes(true);
    mList1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mList1->setTextElideMode(Qt::ElideNone);
    SetColours(mList1, kListBack, kListFore, {QPalette::Base}, QPalette::Text);
    mRowDelegate = new CatalogueRowDelegate(mList1);
    mList1->setItemDelegate(mRowDelegate);
    connect(mList1, &QListWidget::currentRowChanged, this, &Form1::List1_Click);
    connect(mList1, &QListWidget::itemClicked, this, &Form1::List1_Click);
}

// The two push buttons are owner-drawn Buttons that take their look from saved settings.
void Form1::CreateCommandButtons()
{
    const auto make = [](QWidget* parent, const QString& name, const QRect& rect,
                         const char* settings, const QString& accessibleName) {
        auto* button = new Button(parent);
        button->setObjectName(name);
        button->setGeometry(rect);
        button->setAccessibleName(accessibleName);
        QFile file(QString::fromLatin1(settings));
        // Compiled in, so it always opens; without it the button would show its defaults.
        if (file.open(QIODevice::ReadOnly))
            button->ReadProperties(
                platform::PropertyStore::FromText(QString::fromUtf8(file.readAll())));
        return button;
    };
    mCommand1 = make(this, QStringLiteral("Command1"), TwipsRect(8100, 795, 1140, 795),
                     resources::kCommand1Settings, QStringLiteral("save"));
    mCommand2 = make(mFrame2, QStringLiteral("Command2"), TwipsRect(6465, 255, 1065, 510),
                     resources::kCommand2Settings, QStringLiteral("OK"));
    connect(mCommand1, &Button::Click, this, &Form1::Command1_Click);
    connect(mCommand2, &Button::Click, this, &Form1::Command2_Click);
}

void Form1::SetTabOrder()
{
    QWidget* const order[] = {mList1,     mText1[0],  mText1[1], mText1[2],  mText1[3],
                              mText1[4],  mCombo1[1], mText1[5], mCombo1[0], mCombo1[2],
                              mCombo1[3], mCommand1,  mCommand2};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// Each "¡" of a header line stands one character after the matching column rule of a row, so
// the rows start one character cell right of the header lines for the rules to form one line.
void Form1::AlignRowsUnderHeader()
{
    const QFontMetricsF metrics(mList1->font());
    const double cell = metrics.horizontalAdvance(QLatin1Char('M'));
    const QLabel* header = mLabel1[0];
    const double headerLeft =
        mQEVbanner1->x() + header->x() + header->contentsRect().left() + header->indent();
    const double rowsLeft = mList1->x() + mList1->contentsRect().left();
    mRowDelegate->SetTextLeft(static_cast<int>(std::lround(headerLeft + cell - rowsLeft)));
}

bool Form1::Form_Load()
{
    for (const std::size_t i : {std::size_t{1}, std::size_t{3}}) {
        mCombo1[i]->clear();
        for (const char* diameter : kDiameters) {
            mCombo1[i]->addItem(QString::fromLatin1(diameter));
        }
    }

    const cat::LoadResult loaded = cat::LoadMeshLibrary(mDataFolder, *mMeshTable);
    if (!loaded.ok) {
        mMessenger.Warn(nullptr, QStringLiteral("Cannot open the catalogue"),
                        QStringLiteral("The mesh catalogue could not be read:\n%1\n\n%2")
                            .arg(LibraryPathText(), QString::fromStdString(loaded.error)));
        return false;
    }

    mList1->clear();
    QStringList rows;
    for (int slot = 1; cat::SlotInUse(*mMeshTable, slot); ++slot) {
        rows.append(FromCodePage(cat::RowText((*mMeshTable)[slot])));
    }
    mList1->addItems(rows);
    if (mList1->count() > 0) {
        mList1->setCurrentRow(0);
    }
    mCurrentIndex = 1;
    mList1->addItem(QString());
    if (mList1->currentRow() < 0) {
        mList1->setCurrentRow(0); // an empty catalogue: the row for the first new mesh type
    } else {
        ShowRecord();
    }
    SetTopMost(0);

    if (loaded.recordsDropped > 0) {
        mMessenger.Inform(
            this, QStringLiteral("Catalogue too long"),
            QStringLiteral("%1 holds %2 more mesh types than the %3 this editor can keep.\n\n"
                           "They were left out, and saving will write only the first %3.")
                .arg(LibraryPathText())
                .arg(loaded.recordsDropped)
                .arg(cat::kMaxRecords));
    }
    return true;
}

void Form1::SetTopMost(int flag)
{
    const bool topMost = flag == 0;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost) {
        return;
    }
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
    // Changing the flags the usual way would hide the window; tell the open window directly.
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle()) {
        window->setFlags(flags);
    }
}

void Form1::List1_Click()
{
    if (mList1->currentRow() >= 0) {
        ShowRecord();
    }
}

void Form1::ShowRecord()
{
    const int slot = mList1->currentRow() + 1;
    mCurrentIndex = slot;
    // The empty row after a full catalogue has no slot behind it: it shows an empty record.
    static const cat::MeshRecord kEmpty{};
    const bool hasSlot = slot >= 1 && slot <= cat::kMaxRecords;
    const cat::MeshRecord& record = hasSlot ? (*mMeshTable)[slot] : kEmpty;
    const bool isRecord = hasSlot && cat::SlotInUse(*mMeshTable, slot);

    mFrame2->setTitle(QString::number(slot) + kFrameCaption);
    mText1[0]->setText(GridTypeText(record));
    mText1[1]->setText(Latin(cat::FormatPicture(record.GridLength, "##0.00")));
    mText1[2]->setText(Latin(cat::FormatPicture(record.GridWidth, "##0.00")));
    mText1[3]->setText(Latin(cat::FormatPicture(record.LenSpace, "###0")));
    mText1[4]->setText(Latin(cat::FormatPicture(record.WidSpace, "###0")));
    mText1[5]->setText(Latin(cat::FormatPicture(record.UnitWeight, "###0.00")));

    // Only 1 and 2 are listed; any other count shows no selection and is kept on apply.
    const auto countItem = [](std::int16_t count) {
        return count == 1 || count == 2 ? count - 1 : -1;
    };
    mCombo1[0]->setCurrentIndex(countItem(record.LenCount));
    mCombo1[2]->setCurrentIndex(countItem(record.WidCount));

    ShowDiameter(mCombo1[1], record.LenDia, isRecord);
    ShowDiameter(mCombo1[3], record.WidDia, isRecord);
}

// A stored diameter that is not one of the listed ones is shown as an extra item for this
// record, holding the exact value, so applying other changes does not replace it.
void Form1::ShowDiameter(QComboBox* combo, float diameter, bool isRecord)
{
    while (combo->count() > kDiameterCount) {
        combo->removeItem(combo->count() - 1);
    }
    combo->setCurrentIndex(0);
    for (int j = 0; j < combo->count(); ++j) {
        if (static_cast<float>(ReadField(combo->itemText(j))) == diameter) {
            combo->setCurrentIndex(j);
            return;
        }
    }
    if (isRecord) {
        combo->addItem(Latin(cat::FormatFileNumber(diameter)), QVariant::fromValue(diameter));
        combo->setCurrentIndex(combo->count() - 1);
    }
}

void Form1::Command2_Click()
{
    if (ApplyFields()) {
        mUnsavedChanges = true;
    }
}

bool Form1::ApplyFields()
{
    const QString title = QStringLiteral("Cannot apply");
    const int slot = mList1->currentRow() + 1;
    if (slot < 1) {
        return false;
    }
    if (slot > cat::kMaxRecords) {
        mMessenger.Warn(this, title,
                        QStringLiteral("The catalogue is full: it holds %1 mesh types, the most "
                                       "it can keep. The new mesh type was not added.")
                            .arg(cat::kMaxRecords));
        return false;
    }

    const GridTypeName name = EncodeGridType(mText1[0]->text());
    if (!name.ok) {
        mMessenger.Warn(this, title, mLabel2[0]->text() + QStringLiteral(": ") + name.problem);
        return false;
    }

    // Every typed number must fit the catalogue's single-precision fields; spacings divide the
    // section areas, so 0 (or no number at all) is refused.
    std::array<float, 6> numbers{};
    for (std::size_t i = 1; i < mText1.size(); ++i) {
        const QString label = mLabel2[static_cast<std::size_t>(kText1[i].label)]->text();
        const double value = ReadField(mText1[i]->text());
        if (!(std::fabs(value) <= FLT_MAX)) {
            mMessenger.Warn(this, title,
                            QStringLiteral("%1: the number is too large to store.").arg(label));
            return false;
        }
        numbers[i] = static_cast<float>(value);
        const bool isSpacing = i == 3 || i == 4;
        if (isSpacing && numbers[i] == 0.0f) {
            mMessenger.Warn(
                this, title,
                QStringLiteral("%1: enter the bar spacing, a number other than 0.").arg(label));
            return false;
        }
    }

    cat::MeshRecord& record = (*mMeshTable)[slot];
    // No count selected keeps the stored count; a diameter item holding a value keeps it exactly.
    const auto readCount = [](const QComboBox* combo, std::int16_t stored) {
        return combo->currentIndex() < 0
                   ? stored
                   : static_cast<std::int16_t>(std::lrint(ReadField(combo->currentText())));
    };
    const auto readDiameter = [](const QComboBox* combo) {
        const QVariant exact = combo->currentData();
        return exact.isValid() ? exact.toFloat()
                               : static_cast<float>(ReadField(combo->currentText()));
    };

    record.GridType = name.bytes;
    record.GridLength = numbers[1];
    record.GridWidth = numbers[2];
    record.LenSpace = numbers[3];
    record.WidSpace = numbers[4];
    record.UnitWeight = numbers[5];
    record.LenCount = readCount(mCombo1[0], record.LenCount);
    record.LenDia = readDiameter(mCombo1[1]);
    record.WidCount = readCount(mCombo1[2], record.WidCount);
    record.WidDia = readDiameter(mCombo1[3]);
    cat::DeriveSectionAreas(record);

    mList1->item(slot - 1)->setText(FromCodePage(cat::RowText(record)));
    if (mList1->count() == mCurrentIndex && cat::SlotInUse(*mMeshTable, mCurrentIndex)) {
        mList1->addItem(QString());
    }
    return true;
}

void Form1::Command1_Click()
{
    SaveCatalogue();
}

bool Form1::SaveCatalogue()
{
    const cat::SaveResult saved = cat::SaveMeshLibrary(mDataFolder, *mMeshTable);
    if (!saved.ok) {
        mMessenger.Warn(this, QStringLiteral("Save failed"),
                        QStringLiteral("The catalogue could not be saved to\n%1\n\n%2\n\nThe "
                                       "file was left as it was; your changes are still here.")
                            .arg(LibraryPathText(), QString::fromStdString(saved.error)));
        return false;
    }
    mUnsavedChanges = false;
    return true;
}

bool Form1::ConfirmClose()
{
    if (!mUnsavedChanges) {
        return true;
    }
    const auto choice = mMessenger.AskSaveBeforeClose(
        this, QStringLiteral("Unsaved changes"),
        QStringLiteral("The catalogue has changes that were not saved to\n%1\n\nSave them "
                       "before closing?")
            .arg(LibraryPathText()));
    switch (choice) {
    case Messenger::CloseChoice::Save:
        return SaveCatalogue();
    case Messenger::CloseChoice::Discard:
        return true;
    case Messenger::CloseChoice::Cancel:
        break;
    }
    return false;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    SetTopMost(1);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (std::size_t i = 0; i < mText1.size(); ++i) {
            if (watched == mText1[i]) {
                if (event->type() == QEvent::FocusIn) {
                    Text1_GotFocus(static_cast<int>(i));
                } else {
                    Text1_LostFocus(static_cast<int>(i));
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Text1_GotFocus(int Index)
{
    SetColours(mText1[static_cast<std::size_t>(Index)], kFieldFocused, std::nullopt,
               {QPalette::Base}, QPalette::Text);
}

void Form1::Text1_LostFocus(int Index)
{
    SetColours(mText1[static_cast<std::size_t>(Index)], kFieldResting, std::nullopt,
               {QPalette::Base}, QPalette::Text);
}

QString Form1::LibraryPathText() const
{
    return QString::fromStdString(cat::LibraryPath(mDataFolder));
}

} // namespace quorvel
