#pragma once

namespace velkor::shell {

// The program's windows as the registry and the menu know them.
enum WindowCode : int {
    MonthCalendar = 1,
    MonthBrowser = 2,
    PlanEntry = 3,
    MainMenu = 4,
    PlanQuery = 5,
    Help = 6,
    About = 7,
    DiaryBrowser = 8,
    DiaryEditor = 9,
    Directory = 10,
    DirectoryEditor = 11,
    Notebook = 12,
    Sync = 13,
};

} // namespace velkor::shell
