// The order of day, month and year that a date field asks for, and whether a saved
// date can be typed into it as it stands.
//
// Labels state the order with a format: "Date of birth (DD/MM/YYYY)", "Geburtsdatum
// · TT.MM.JJJJ", "yyyy-mm-dd". A saved "14.03.1988" fits a day-first field but in a
// month-first one reads as the 3rd of the 14th month; "1985-11-23" fits only a
// year-first one. A date that fits both orders ("02/07/1991") cannot be told apart:
// it fits neither for sure.
#pragma once

#include <string>
#include <string_view>

namespace oskel::answer {

enum class DateOrder { kUnstated, kDayMonthYear, kMonthDayYear, kYearMonthDay };

// The order of the first date format in the label; kUnstated without one.
DateOrder dateOrderAskedBy(std::string_view label);

// A folded label (" date of birth dd mm yyyy ") without the formats it states
// (" date of birth "): the format says how to write the whole date, and its letters
// would otherwise read as a field for one part of it.
std::string withoutDateFormat(const std::string& folded);

// Whether `value`, a date in digits, reads as a valid date in `order`. Always true for
// kUnstated; false for a date written with words ("12 March 1988", "1986年4月12日").
bool fitsDateOrder(std::string_view value, DateOrder order);

}  // namespace oskel::answer
