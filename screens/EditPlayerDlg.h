#pragma once

#include <array>
#include <string>

#include "platform/Date.h"

// The editor's "edit player" dialog. CPlayer::EditInDialog fills the members,
// runs Open and, on OK, takes the members back into the player.
class CEditPlayerDlg {
public:
    virtual ~CEditPlayerDlg() = default;

    // Runs the dialog modally; true on OK, false on cancel.
    virtual bool Open();

    // Skills are 1-based skill numbers (0 none); the two levels belong to
    // the two choices: 0 a deficit, 1-3 the special levels 2-4.
    std::array<int, 2> fieldSkills = {};
    std::array<int, 2> keeperSkills = {};
    std::array<int, 2> skillLevels = {};
    // Traits are 1-based places in their list (0 none).
    std::array<int, 2> characterTraits = {};
    std::array<int, 2> styleTraits = {};
    int strengthOffset = 0;
    bool international = false;
    bool formerInternational = false;
    bool formerCaptain = false;
    int popularity = 0;
    int healthType = 0;
    bool leftHand = false;
    int number = 0;
    std::string firstName;
    std::string nickname;  // "stage name"
    std::string lastName;
    Date birthday;
    int talent = 0;
    int strengthIndex = 0;  // strength class - 1
    int height = 0;
    int position = 0;
    int altPositionPlusOne = 0;  // 0 none
    int nationality = 0;
    int secondNationality = -1;  // -1 none
    bool professional = false;
};
