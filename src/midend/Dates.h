// A day as the desktop gives it (QDate) and as the rules count it (a
// year, month and day of the calendar), the one turned into the other.
#pragma once

#include <QDate>

#include "game/TirageDuJour.h"

namespace tolvan {

inline Date DateDe(QDate jour) {
  return Date{std::chrono::year(jour.year()), std::chrono::month(static_cast<unsigned>(jour.month())),
              std::chrono::day(static_cast<unsigned>(jour.day()))};
}

inline QDate DateQt(const Date& date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
               static_cast<int>(static_cast<unsigned>(date.day())));
}

}  // namespace tolvan
