#include "editor/zafiksub1.h"

#include "catalogue/library_file.h"
#include "editor/form1.h"
#include "editor/message_box_messenger.h"

#include <QApplication>

namespace quorvel::ZAFIKSUB1 {

int Main()
{
    const std::string dataFolder =
        catalogue::DataFolder(QCoreApplication::applicationDirPath().toStdString());
    MessageBoxMessenger messenger;
    Form1 form(dataFolder, messenger);
    if (!form.Form_Load()) {
        return 1;
    }
    form.show();
    return QApplication::exec();
}

} // namespace quorvel::ZAFIKSUB1
