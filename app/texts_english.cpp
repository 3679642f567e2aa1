// The English texts that replace the designed Japanese ones.

#include "app/ui_texts.h"

namespace morvane::app {

namespace {

constexpr ControlText kMain[] = {
    {"TabDisk", "Disc", ""},
    {"imgDiskActive3", "", "Power disc(Big)"},
    {"imgDiskpassive3", "", "Disc(Big)"},
    {"imgDiskActive2", "", "Power disc(Middle)"},
    {"imgDiskpassive2", "", "Disc(Middle)"},
    {"imgDiskActive1", "", "Power disc(Small)"},
    {"imgDiskpassive1", "", "Disc(Small)"},
    {"TabRod", "Rod", ""},
    {"imgRodActive2", "", "Power rod(Long)"},
    {"imgRodActive1", "", "Power rod(Short)"},
    {"imgRodPassive1", "", "Rod"},
    {"imgRodPassive2", "", "Rod"},
    {"imgRodPassive3", "", "Rod"},
    {"imgRodPassive4", "", "Rod"},
    {"TabEtc2", "Others", ""},
    {"imgPistonActive", "", "Power piston"},
    {"imgPistonPassive", "", "Piston"},
    {"imgTriangle1", "", "Triangle(Small)"},
    {"imgTriangle2", "", "Triangle(Big)"},
    {"TabPin", "Pin", ""},
    {"imgHatome", "", "Movable pin"},
    {"imgKoteiPin", "", "Fixed pin"},
    {"TabPen", "Pen", ""},
    {"imgBlack", "", "Black pen"},
    {"imgRed", "", "Red pen"},
    {"imgBlue", "", "Blue pen"},
    {"imgGreen", "", "Green pen"},
    {"TabMove", "Move", ""},
    {"btnUp", "", "All parts are moved upwards"},
    {"btnDown", "", "All parts are moved downward"},
    {"btnLeft", "", "All parts are moved to the left"},
    {"btnRight", "", "All parts are moved to the right"},
    {"btnPenDrawClear", "Erase Locus", "A locus is eraseed"},
    {"btnClear", " Erase All", "All parts are eraseed"},
    {"btnModoru", " Return", "It returns to the state at the time of arrangement"},
    {"btnUndo", " Undo", "It returns before one"},
    {"btnRedo", " Redo", "It progresses previously one"},
    {"btnOpen", " Open a model", "A link model file is opened"},
    {"btnSave", " Save a model", "A link model file is saved"},
    {"btnImageSave", " Save an image", "The image file of a linkage mechanism is created"},
    {"btnPrint", " Print an image", "The image of a linkage mechanism is printed"},
    {"btnMakeMovie", " Create a movie", "The movie(animation) of link motion is created"},
    {"btnDebug", " Process display", ""},
    {"btnExit", " Exit", "A program is ended"},
    {"btnBack", "", "Power parts are rotated leftward automatically"},
    {"btnPlay", "", "Power parts are rotated rightward automatically"},
    {"cmbSpeed", "", "The speed of automatic rotation is specified"},
    {"TrackBar1", "", "Power parts are rotated"},
    {"menuDelete", "Delete", ""},
    {"menuKaiten", "Rotation", ""},
    {"menuKaitenInit", "Initial state", ""},
    {"menuKaitenL90", "On the left +90 degrees", ""},
    {"menuKaitenL45", "On the left +45 degrees", ""},
    {"menuKaitenL10", "On the left +10 degrees", ""},
    {"menuKaitenL5", "On the left +5 degrees", ""},
    {"menuKaitenL1", "On the left +1 degrees", ""},
    {"menuKaitenL05", "On the left +0.5 degrees", ""},
    {"menuKaitenL01", "On the left +0.1 degrees", ""},
    {"menuKaitenR01", "On the right +0.1 degrees", ""},
    {"menuKaitenR05", "On the right +0.5 degrees", ""},
    {"menuKaitenR1", "On the right +1 degrees", ""},
    {"menuKaitenR5", "On the right +5 degrees", ""},
    {"menuKaitenR10", "On the right +10 degrees", ""},
    {"menuKaitenR45", "On the right +45 degrees", ""},
    {"menuKaitenR90", "On the right +90 degrees", ""},
    {"menuPropaty", "Propaty...", ""},
};

constexpr ControlText kPropaty[] = {
    {"lblKind", "The kind of parts:", ""},
    {"lblCoordinates", "Coordinates:", ""},
    {"lblAngle", "Angle:", ""},
    {"lblPin", "The number of pins:", ""},
    {"lblParts", "The number of movable parts:", ""},
    {"lblRange", "Movable range:", ""},
    {"btnClose", "Close", ""},
};

constexpr ControlText kDebug[] = {
    {"btnClear", "Clear", ""},
    {"btnClose", "Close", ""},
    {"btnSave", "Save", ""},
};

constexpr WindowTexts kWindows[] = {
    {"TformMain", "Morvane", kMain},
    {"TformPropaty", "Propaty", kPropaty},
    {"TformDebug", "The display of processing progress", kDebug},
};

constexpr UiTexts kTexts{
    kWindows,
    {"Highest", "High", "Middle", "Low", "Lowest"},
    "A processing progress window is displayed",
    "A processing progress window is closed",
    "Preservation of a processing progress log",
    // Only the Japanese filter was designed; this one follows the model file's.
    "Processing progress log (*.txt)|*.txt",
};

}  // namespace

const UiTexts& EnglishTexts() { return kTexts; }

}  // namespace morvane::app
