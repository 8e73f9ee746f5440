#pragma once

#include <array>

#include "forms/picture.h"

// Every picture of the game: the name of its image among the program's
// resources and its size in pixels. Windows and controls load their own
// picture objects from these.
namespace klonkatron::art {

using forms::PictureSource;

// The board window.
inline constexpr PictureSource form1Background{"form1_background", 473, 301};
inline constexpr PictureSource form1Icon{"emblem", 32, 32};
inline constexpr PictureSource form1SmallIcon{"hammer16", 16, 16};
inline constexpr PictureSource ibm{"ibm", 32, 32};
inline constexpr PictureSource ibm2{"ibm2", 32, 32};
inline constexpr PictureSource bang{"bang", 32, 32};
inline constexpr PictureSource bang2{"bang2", 32, 32};
// The pointers point with the striking face of the hammer's head.
inline constexpr PictureSource upp{"upp", 32, 32, 3, 14};
inline constexpr PictureSource ner{"ner", 32, 32, 5, 25};
inline constexpr PictureSource hole{"hole", 32, 32};
inline constexpr PictureSource table{"table", 215, 152};
inline constexpr PictureSource banner{"banner", 273, 70};
inline constexpr PictureSource emblem{"emblem", 32, 32};
inline constexpr PictureSource exitFace{"exit", 185, 20};

// The faces, from the neutral level-1 face to the widest grin.
inline constexpr PictureSource tio{"tio", 32, 32};
inline constexpr PictureSource tjugo{"tjugo", 32, 32};
inline constexpr PictureSource trettio{"trettio", 32, 32};
inline constexpr PictureSource fortio{"fortio", 32, 32};
inline constexpr PictureSource femtio{"femtio", 32, 32};
inline constexpr PictureSource sextio{"sextio", 32, 32};
inline constexpr PictureSource sjuttio{"sjuttio", 32, 32};
inline constexpr PictureSource attio{"attio", 32, 32};
inline constexpr PictureSource nittio{"nittio", 32, 32};
inline constexpr PictureSource hundra{"hundra", 32, 32};

// The lamp bars, with one to ten lamps lit.
inline constexpr PictureSource bar1{"bar1", 11, 35};
inline constexpr PictureSource bar2{"bar2", 11, 35};
inline constexpr PictureSource bar3{"bar3", 11, 35};
inline constexpr PictureSource bar4{"bar4", 11, 35};
inline constexpr PictureSource bar5{"bar5", 11, 35};
inline constexpr PictureSource bar6{"bar6", 11, 35};
inline constexpr PictureSource bar7{"bar7", 11, 35};
inline constexpr PictureSource bar8{"bar8", 11, 35};
inline constexpr PictureSource bar9{"bar9", 11, 35};
inline constexpr PictureSource bar10{"bar10", 11, 35};

// The side windows.
inline constexpr PictureSource splashScene{"splash", 175, 263};
inline constexpr PictureSource questionMark{"question", 32, 32};
inline constexpr PictureSource dachshund{"dachshund", 238, 264};
inline constexpr PictureSource mee{"mee", 32, 32};

// What kind of picture an image is: an opaque 24-bit bitmap, or an icon
// whose clear pixels let what lies behind it show, drawn in the sixteen
// colours or in up to 256.
enum class Kind { Bitmap, Icon16, Icon256 };

struct CatalogueEntry {
    PictureSource picture;
    Kind kind;
};

// Every image of the program once.
inline constexpr std::array kCatalogue{
    CatalogueEntry{form1Background, Kind::Bitmap},
    CatalogueEntry{form1SmallIcon, Kind::Icon256},
    CatalogueEntry{ibm, Kind::Icon256},
    CatalogueEntry{ibm2, Kind::Icon256},
    CatalogueEntry{bang, Kind::Icon256},
    CatalogueEntry{bang2, Kind::Icon256},
    CatalogueEntry{upp, Kind::Icon256},
    CatalogueEntry{ner, Kind::Icon256},
    CatalogueEntry{hole, Kind::Icon16},
    CatalogueEntry{table, Kind::Bitmap},
    CatalogueEntry{banner, Kind::Bitmap},
    CatalogueEntry{emblem, Kind::Icon256},
    CatalogueEntry{exitFace, Kind::Bitmap},
    CatalogueEntry{tio, Kind::Icon256},
    CatalogueEntry{tjugo, Kind::Icon256},
    CatalogueEntry{trettio, Kind::Icon256},
    CatalogueEntry{fortio, Kind::Icon256},
    CatalogueEntry{femtio, Kind::Icon256},
    CatalogueEntry{sextio, Kind::Icon256},
    CatalogueEntry{sjuttio, Kind::Icon256},
    CatalogueEntry{attio, Kind::Icon256},
    CatalogueEntry{nittio, Kind::Icon256},
    CatalogueEntry{hundra, Kind::Icon256},
    CatalogueEntry{bar1, Kind::Bitmap},
    CatalogueEntry{bar2, Kind::Bitmap},
    CatalogueEntry{bar3, Kind::Bitmap},
    CatalogueEntry{bar4, Kind::Bitmap},
    CatalogueEntry{bar5, Kind::Bitmap},
    CatalogueEntry{bar6, Kind::Bitmap},
    CatalogueEntry{bar7, Kind::Bitmap},
    CatalogueEntry{bar8, Kind::Bitmap},
    CatalogueEntry{bar9, Kind::Bitmap},
    CatalogueEntry{bar10, Kind::Bitmap},
    CatalogueEntry{splashScene, Kind::Bitmap},
    CatalogueEntry{questionMark, Kind::Icon16},
    CatalogueEntry{dachshund, Kind::Bitmap},
    CatalogueEntry{mee, Kind::Icon16},
};

}  // namespace klonkatron::art
