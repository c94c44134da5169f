#include "core/settings/status.h"

int CStatus::bChildCreate = 0;
int CStatus::bRokyoCreate = 0;
int CStatus::bUmsLoad = 0;
int CStatus::EventInfo = 1;
int CStatus::TableType = 1;
int CStatus::UnseiDisp = 1;
int CStatus::Precise = 0;
int CStatus::HolidayLaw = 0;
