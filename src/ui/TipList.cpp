#include "ui/TipList.h"

#include "ui/AuthorLinks.h"

#include <string>

namespace ui {

const std::array<std::string_view, kTipCount>& tipList() {
    static const std::string siteTip = std::string(author::kSiteAddress) + " is the Best Ludovane3 Site!";
    static const std::array<std::string_view, kTipCount> tips = {
        "Ludovane 99/00 is the Best Game Ever!",
        "Man Utd are Rubbish and you should Never Support Them!",
        "5-3-2 is a Good Tactic for Teams with low Budgets!",
        "Renew your Player/Staff Contracts at least 5 Months Early!",
        "Sell older Players before they Retire!",
        "Dorian Pelt makes a Good Reserve Manager!",
        siteTip,
        "Young Danish Players are always Value for Money!",
        "Always use Hard Tackling to Win the Ball!",
        "Old Internationals make Excellent Coaches!",
        "Tell Players they are First Teamers to get Lower Wages!",
        "Never Use Long Passing in Higher Leagues!",
        "Train your Young Players by Pairing them up with an Internationl!",
        "Players over 31 make Good Captins!",
        "Download Quenby's Ludovane99/00 Update!",
        "Wingers must always have 15+ Speed and Stength!",
        "Try to Play all your Players in a Season!",
        "Italian Goal Keepers are Rubbish!",
        "Blackburn was Right to Sack Emil Throssel!",
        "Kestrow3 4-3-1-2 is one if the best User made Tactics!",
        "Dont go Mad and bye over 5 Players under the Bosman Ruling!",
        "Young Players always Shine in Cup Finals!",
        "If a Player over 22 is under 300K in a Top League then he's Rubbish!",
        "Lower Clubs should Loan Top Clubs Young Stars!",
        "Have you tried Kestrow's Ludovane3Loader!",
    };
    return tips;
}

std::string_view tipLine(int index) {
    if (index < 0 || index >= kTipCount)
        return {};
    return tipList()[static_cast<std::size_t>(index)];
}

} // namespace ui
