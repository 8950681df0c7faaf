#pragma once

#include "catalogue/mesh_record.h"

#include <QWidget>
#include <array>
#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace quorvel {

class Button;
class CatalogueRowDelegate;
class Messenger;
class QEVbanner;

// The catalogue editor window: the list of mesh types, the edit fields of the selected one,
// OK to store the fields into the catalogue and save to write the catalogue file.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // dataFolder holds ZAFIK.LIB; messenger tells and asks the user.
    Form1(std::string dataFolder, Messenger& messenger, QWidget* parent = nullptr);
    ~Form1() override;

    // Fills the window from the catalogue. False when the catalogue could not be read; the user
    // has been told why and the window must not be shown.
    bool Form_Load();

    // 0 keeps the window above all ordinary windows; any other value makes it ordinary again.
    void SetTopMost(int flag);

    int CurrentIndex() const { return mCurrentIndex; }
    const catalogue::MeshTable& MeshTable() const { return *mMeshTable; }
    bool HasUnsavedChanges() const { return mUnsavedChanges; }

public Q_SLOTS:
    void List1_Click();
    void Command1_Click(); // save
    void Command2_Click(); // OK: apply the fields to the selected row

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateCommandButtons();
    void SetTabOrder();
    void AlignRowsUnderHeader();

    void ShowRecord();
    void ShowDiameter(QComboBox* combo, float diameter, bool isRecord);
    bool ApplyFields();
    bool SaveCatalogue();
    bool ConfirmClose();
    void Form_Unload();

    void Text1_GotFocus(int Index);
    void Text1_LostFocus(int Index);

    QString LibraryPathText() const;

    std::string mDataFolder;
    Messenger& mMessenger;
    std::unique_ptr<catalogue::MeshTable> mMeshTable;
    int mCurrentIndex = 0;
    bool mUnsavedChanges = false;

    QGroupBox* mFrame2 = nullptr;
    std::array<QLabel*, 10> mLabel2{};
    std::array<QLineEdit*, 6> mText1{};
    std::array<QComboBox*, 4> mCombo1{};
    QEVbanner* mQEVbanner1 = nullptr;
    std::array<QLabel*, 2> mLabel1{};
    QListWidget* mList1 = nullptr;
    CatalogueRowDelegate* mRowDelegate = nullptr;
    Button* mCommand1 = nullptr;
    Button* mCommand2 = nullptr;
};

} // namespace quorvel
