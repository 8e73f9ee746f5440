#include <QDir>

#include "art/draw/drawing.h"

namespace klonkatron::art::draw {

std::vector<Exported> allPictures(const QString& iconSources) {
    const QDir icons(iconSources);
    const auto icon = [&icons](const char* name) {
        return Exported{name, iconFromPixelMap(icons.filePath(QString(name) + ".xpm"))};
    };
    std::vector<Exported> pictures{
        {"form1_background", backgroundPicture()}, {"table", tablePicture(), true},
        {"banner", bannerPicture(), true},         {"exit", exitFacePicture(), true},
        {"splash", splashScenePicture(), true},    {"dachshund", dachshundPicture(), true},
    };
    for (const char* name : {"hole", "ibm", "ibm2", "bang", "bang2", "upp", "ner", "emblem",
                             "hammer16", "question", "mee"}) {
        pictures.push_back(icon(name));
    }
    const char* const faces[] = {"tio",    "tjugo",   "trettio", "fortio", "femtio",
                                 "sextio", "sjuttio", "attio",   "nittio", "hundra"};
    for (int level = 1; level <= 10; ++level) {
        pictures.push_back(
            {faces[level - 1], facePicture(icons.filePath("face-head.xpm"),
                                           icons.filePath("face-expressions.xpm"), level)});
    }
    for (int lit = 1; lit <= 10; ++lit)
        pictures.push_back({QStringLiteral("bar%1").arg(lit), lampBarPicture(lit)});
    return pictures;
}

}  // namespace klonkatron::art::draw
