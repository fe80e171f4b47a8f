#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvel {

/// One row of the time-zone list. Hours and minutes are positive for zones behind universal
/// time (west of Greenwich) and negative ahead of it; the minutes carry the hours' sign.
struct TimeZoneRow {
  std::string_view name;          ///< the text shown in the list: zone, abbreviation, offset
  std::string_view abbreviation;  ///< the zone's abbreviation alone, as in its text ("IST")
  std::int16_t hours;
  std::int16_t minutes;
};

inline constexpr int kTimeZoneRows = 71;

/// The 71 zones in list order, so a list index is a row. The texts are shown exactly as
/// stored, odd styles included ("2#", "-5.3"); the offset and the abbreviation come from their
/// own columns, never from parsing the text.
inline constexpr std::array<TimeZoneRow, kTimeZoneRows> kTimeZones{{
    {"Alaska/Hawaii Daylight Time,AHDT,9.0", "AHDT", 9, 0},
    {"Alaska/Hawaii Standard Time,AHST,10.0", "AHST", 10, 0},
    {"Alaska/Hawaii War Time,AHWT,9.0", "AHWT", 9, 0},
    {"Atlantic Standard Time,AST,4.0", "AST", 4, 0},
    {"Atlantic War Time,AWT,3.0", "AWT", 3, 0},
    {"Australian Central Daylight Time,ACDT,-10.5", "ACDT", -10, -30},
    {"Australian Central Standard Time,ACST,-9.5", "ACST", -9, -30},
    {"Australian Eastern Daylight Time,AEDT,-11.0", "AEDT", -11, 0},
    {"Australian Eastern Standard Time,AEST,-10.0", "AEST", -10, 0},
    {"Australian Western Daylight Time,AWDT,-9.0", "AWDT", -9, 0},
    {"Australian Western Standard Time,AWST,-8.0", "AWST", -8, 0},
    {"Azores Time, AT, 2#", "AT", 2, 0},
    {"Baghdad Time, BAT, -3#", "BAT", -3, 0},
    {"Bering Standard Time,BET,11.0", "BET", 11, 0},
    {"Brazil Zone 2,BZT2,3.0", "BZT2", 3, 0},
    {"British Double Summer Time,BDST,-2.0", "BDST", -2, 0},
    {"British Summer Time,BST,-1.0", "BST", -1, 0},
    {"British War Time,BWT,-2.0", "BWT", -2, 0},
    {"Central Daylight Time,CDT,5.0", "CDT", 5, 0},
    {"Central European Daylight,CED,-2.0", "CED", -2, 0},
    {"Central European Time,CET,-1.0", "CET", -1, 0},
    {"Central Standard Time,CST,6.0", "CST", 6, 0},
    {"Central War Time,CWT,5.0", "CWT", 5, 0},
    {"China Coast Time,CCT,-8.0", "CCT", -8, 0},
    {"Eastern Daylight Time,EDT,4.0", "EDT", 4, 0},
    {"Eastern European Daylight Time,EED,-3.0", "EED", -3, 0},
    {"Eastern European Time,EET,-2.0", "EET", -2, 0},
    {"Eastern Standard Time,EST,5.0", "EST", 5, 0},
    {"Eastern War Time,EWT,4.0", "EWT", 4, 0},
    {"Greenwich Mean Time,GMT,0.0", "GMT", 0, 0},
    {"Guam Standard Time,GST,-10.0", "GST", -10, 0},
    {"Hawaiian Daylight Time,HDT,9.5", "HDT", 9, 30},
    {"Hawaiian Standard Time,HST,10.5", "HST", 10, 30},
    {"Hawaiian War Time,HWT,9.5", "HWT", 9, 30},
    {"Indian Time, IST, -5.3", "IST", -5, -30},
    {"Int'l Date Line East,IDLE,-12.0", "IDLE", -12, 0},
    {"Int'l Date Line West,IDLW,12.0", "IDLW", 12, 0},
    {"Iran Time, IT, -3.5", "IT", -3, -30},
    {"Japan Standard Time,JST,-9.0", "JST", -9, 0},
    {"Java Time, JT, -7.5", "JT", -7, -30},
    {"Middle European Daylight Time,MED,-2.0", "MED", -2, 0},
    {"Middle European Time,MET,-1.0", "MET", -1, 0},
    {"Moluccas Time, MT, -8.5", "MT", -8, -30},
    {"Mountain Daylight Time,MDT,6.0", "MDT", 6, 0},
    {"Mountain Standard Time,MST,7.0", "MST", 7, 0},
    {"Mountain War Time,MWT,6.0", "MWT", 6, 0},
    {"New Zealand Std Summer Time,NZST,-13.0", "NZST", -13, 0},
    {"New Zealand Std Time,NZT,-12.0", "NZT", -12, 0},
    {"New Zealand Summer Time,NZS,-12.5", "NZS", -12, -30},
    {"New Zealand Time,NZ,-11.5", "NZ", -11, -30},
    {"Newfoundland Standard Time,NST,3.5", "NST", 3, 30},
    {"Nome Time, NT, 11#", "NT", 11, 0},
    {"North Sumatra Time,NST,-6.5", "NST", -6, -30},
    {"Pacific Daylight Time,PDT,7.0", "PDT", 7, 0},
    {"Pacific Standard Time,PST,8.0", "PST", 8, 0},
    {"Pacific War Time,PWT,7.0", "PWT", 7, 0},
    {"South Australia Daylight Time,SAD,-10.5", "SAD", -10, -30},
    {"South Australia Daylight Time,SDT,-10.5", "SDT", -10, -30},
    {"South Australia Standard Time,SAST,-9.5", "SAST", -9, -30},
    {"South Australia Standard Time,SAT,-9.5", "SAT", -9, -30},
    {"South Sumatra Time,SST,-7.0", "SST", -7, 0},
    {"Universal Time, UT, 0#", "UT", 0, 0},
    {"USSR Zone 10,UZ10,-11.0", "UZ10", -11, 0},
    {"USSR Zone 3,USZ3,-4.0", "USZ3", -4, 0},
    {"USSR Zone 4,USZ4,-5.0", "USZ4", -5, 0},
    {"USSR Zone 5,USZ5,-6.0", "USZ5", -6, 0},
    {"USSR Zone 6,USZ6,-7.0", "USZ6", -7, 0},
    {"West Africa Time,WAT,1.0", "WAT", 1, 0},
    {"Yukon Daylight Time,YDT,8.0", "YDT", 8, 0},
    {"Yukon Standard Time,YST,9.0", "YST", 9, 0},
    {"Yukon War Time,YWT,8.0", "YWT", 8, 0},
}};

/// Minutes by which the zone's clocks run ahead of universal time; negative behind it.
constexpr int MinutesAheadOfUniversalTime(const TimeZoneRow& row) {
  return -(row.hours * 60 + row.minutes);
}

}  // namespace tarvel
