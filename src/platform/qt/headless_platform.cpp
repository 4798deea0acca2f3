#include "platform/qt/headless_platform.h"

#include <QCoreApplication>

namespace qv {

MessageAnswer HeadlessPlatform::message(const std::string& title, const std::string& text, MessageButtons buttons,
                                        MessageIcon) {
    if (notes_ != nullptr) std::fprintf(notes_, "note: %s: %s\n", title.c_str(), text.c_str());
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

std::string HeadlessPlatform::programFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

}  // namespace qv
