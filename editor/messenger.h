#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// Everything the editor tells or asks the user goes through here, so that tests can answer
// without a modal box blocking them.
class Messenger
{
public:
    enum class CloseChoice
    {
        Save,
        Discard,
        Cancel
    };

    virtual ~Messenger() = default;

    // A refusal or failure the user has to know about.
    virtual void Warn(QWidget* parent, const QString& title, const QString& text) = 0;
    // Something worth knowing that is not an error.
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // The window is closing with applied changes that were not saved.
    virtual CloseChoice AskSaveBeforeClose(QWidget* parent, const QString& title,
                                           const QString& text) = 0;
};

} // namespace quorvel
