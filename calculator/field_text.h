#pragma once
// Reading and writing the numbers that live in the text of edit boxes.
#include "calendar/days/integer_reading.h"

#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <optional>

namespace vadelon {

inline std::optional<std::int32_t> ReadField(const QLineEdit* edit)
{
    return ReadInteger(edit->text().toStdString());
}

inline void WriteNumber(QLineEdit* edit, std::int64_t value)
{
    edit->setText(QString::fromStdString(IntegerText(value)));
}

}  // namespace vadelon
