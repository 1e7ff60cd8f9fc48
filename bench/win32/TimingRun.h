#pragma once

#include <windows.h>

// What bench_mainwin and its hook in the editor share: the request posted to the main window
// and the shared memory the hook writes its figures to.
namespace wintest::timing {

inline constexpr const wchar_t* kRequestMessage = L"VantorelTimingRun"; // wParam: operations
inline constexpr const wchar_t* kResultsMapping = L"Local\\VantorelTimingResults";
inline constexpr const wchar_t* kDoneEvent = L"Local\\VantorelTimingDone";

struct Results {
    double switchUs = 0;        // per country switch: LB_SETCURSEL and LBN_SELCHANGE
    double visibleSwitchUs = 0; // the same among the rows in view, as a click picks them: no scrolling
    double applyUs = 0;         // per Apply Changes: BN_CLICKED
    bool ok = false;            // false: the controls were not found
};

} // namespace wintest::timing
