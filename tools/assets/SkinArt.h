#pragma once

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "tools/assets/FlagTable.h"

// The drawing of each picture of the default skin, one function per file
// (the file names and cell layouts are those of ui/SkinFiles.h; the cells
// are listed in tools/assets/README.md).

// Backgrounds.cpp
Bitmap DrawBackground(const char* file);  // one of the six BG*.BMP
Bitmap DrawInfoPanel();                   // UPEDGE.BMP
Bitmap DrawSubButtonColumn();             // SBMLEER.BMP
Bitmap DrawColumnOverlay();               // SBMLAYER.BMP
// KeyVisual.cpp
Bitmap DrawKeyVisual();                   // KEYVISUAL.BMP
Bitmap DrawStartPicture();                // the picture shown while the game starts
// FileKinds.cpp
Bitmap DrawFileKindIcons();  // the file browser's icons of the file kinds
// Controls.cpp
Bitmap DrawDialogButtons();  // DBUTTONS.BMP
Bitmap DrawTableButtons();   // TBUTTONS.BMP
Bitmap DrawScrollBar();      // SCROLLB.BMP
Bitmap DrawBars();           // BAR.BMP
// Menus.cpp
Bitmap DrawMainMenu();     // HAUPTMEN.BMP
Bitmap DrawModeButtons();  // PMENU.BMP
// Pics.cpp
Bitmap DrawPics();        // PICS.BMP
Bitmap DrawLevelIcon();   // SICON.BMP
// Symbols.cpp
Bitmap DrawSkills();      // SKILLS.BMP
Bitmap DrawTraining();    // TRAINING.BMP
Bitmap DrawProperty();    // PROPERTY.BMP
// Money.cpp
Bitmap DrawMoney();       // MONEY.BMP
// Faces.cpp
Bitmap DrawLogoBall();    // LOGOBALL.BMP
// Flags.cpp
Bitmap DrawFlags(const FlagTable& flags);  // FLAGS.BMP
Bitmap DrawCupBadges();                    // PKVIEW.BMP
// Hall.cpp
Bitmap DrawHall();        // HALL.BMP
// Merchandise.cpp
Bitmap DrawFanArticles();  // FANART.BMP
Bitmap DrawShirts();       // TRIKOTS.BMP

// The picture of a skin file by its name; empty for an unknown name.
Bitmap DrawSkinFile(const std::string& name, const FlagTable& flags);
