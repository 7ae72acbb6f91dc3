#include "framework/cwnd.h"
#include "framework/message_boxes.h"
#include "framework/qt_bridge.h"
#include "text_conversion.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconFor(UINT style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButton first, second;
};

ButtonSet ButtonsFor(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MB_YESNO: return {QMessageBox::Yes, QMessageBox::No};
    default: return {QMessageBox::Ok, QMessageBox::NoButton};
    }
}

int ResultOf(int pressed)
{
    switch (pressed) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return 0;
    }
}

class ToolkitMessageBoxes final : public MessageBoxes {
public:
    int Show(const MessageBoxRequest& request) override
    {
        QWidget* owner = request.owner ? WidgetOf(*request.owner) : nullptr;
        const ButtonSet buttons = ButtonsFor(request.style);
        QMessageBox box(IconFor(request.style), backend::FromProgramText(request.caption),
                        backend::FromProgramText(request.text), buttons.first | buttons.second, owner);
        box.setTextFormat(Qt::PlainText);
        const bool secondIsDefault = (request.style & MB_DEFMASK) == MB_DEFBUTTON2 && buttons.second != QMessageBox::NoButton;
        box.setDefaultButton(secondIsDefault ? buttons.second : buttons.first);
        return ResultOf(box.exec());
    }
};

} // namespace

std::unique_ptr<MessageBoxes> MakeToolkitMessageBoxes() { return std::make_unique<ToolkitMessageBoxes>(); }
