#pragma once

#include "editor/messenger.h"

namespace quorvel {

// The program's messages as modal message boxes.
class MessageBoxMessenger final : public Messenger
{
public:
    void Warn(QWidget* parent, const QString& title, const QString& text) override;
    void Inform(QWidget* parent, const QString& title, const QString& text) override;
    CloseChoice AskSaveBeforeClose(QWidget* parent, const QString& title,
                                   const QString& text) override;
};

} // namespace quorvel
