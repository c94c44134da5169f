// The commands of the menu "COMMANDS", the tool bar and the accelerators. A
// command's value is its resource id: the id of its menu item, of its tool-bar
// picture and of its status hint.
#pragma once

namespace commands {

enum Id : int {
    kPrint = 48,
    kPrinterSetup = 49,
    kIcsExport = 50,
    kPrintPreview = 51,
    kPdfSave = 52,
    kPrintSpan = 53,
    kExit = 63,
    // Keys of the accelerator table that no window answers.
    kUnhandledAltBack = 65,
    kUnhandledShiftDelete = 66,
    kUnhandledCtrlInsert = 67,
    kUnhandledShiftInsert = 68,
    kVesomaAfter = 513,
    kVesomaBefore = 514,
    kVesomaDate = 515,
    kVesomaRokyo = 516,
    kVesomaCreate = 517,
    kToday = 518,
    kNextDay = 519,
    kPreviousDay = 520,
    kInitSetup = 769,
    kEventList = 776,
    kEventEdit = 777,
    kEventSave = 778,
    kUnhandledShiftLeft = 784,
    kFont = 785,  // in the menu, without an action
    kHelp = 992,
    kHelpUsage = 997,
    kAbout = 1023,
};

// Every command id lies in this range.
constexpr int kFirst = kPrint;
constexpr int kLast = kAbout;

}  // namespace commands
