#include "Exception.h"

#include <QString>

Exception::Exception(String message)
    : message_(std::move(message))
    , utf8_(QString::fromStdU16String(message_).toStdString())
{
}
