#include "editor/core/geometry/pick_start.hpp"

#include <cmath>

namespace meshsmith {

Colour toColour(const Rgb& colour) {
    auto byte = [](float c) {
        return static_cast<Colour>(std::lround(std::fmin(std::fmax(c, 0.0f), 1.0f) * 255.0f));
    };
    return byte(colour.r) | byte(colour.g) << 8 | byte(colour.b) << 16;
}

bool chooseColour(FileDialogs& files, Rgb& colour) {
    const auto chosen = files.chooseColour(toColour(colour));
    if (!chosen) return false;
    colour = colourToRgb(*chosen);
    return true;
}

NextColour colourOfNewPolygon(bool manualColours) {
    return manualColours ? NextColour::Dialog : NextColour::Random;
}

NextColour colourOfSamePolygon(bool manualColours) {
    return manualColours ? NextColour::Keep : NextColour::Random;
}

void PolygonColour::next(NextColour how, FileDialogs& files, LogSink& log) {
    if (how == NextColour::Random) {
        colour_.r = random_.next();
        colour_.g = random_.next();
        colour_.b = random_.next();
    } else if (how == NextColour::Dialog) {
        log.addLine("Pick color for Polygon!");
        chooseColour(files, colour_);
    }
}

void startPolygonPick(Document& document, PolygonColour& colour, NextColour how,
                      FileDialogs& files, LogSink& log) {
    document.endPick();
    log.addLine("Creating a Flat Shading Polygon:");
    colour.next(how, files, log);
    log.addLine("Pick first vertex !");
    document.startPick(PolygonPick{colour.current(), {}});
}

void startLinePick(Document& document, Rgb& lineColour, bool askColour, FileDialogs& files,
                   LogSink& log) {
    document.endPick();
    log.addLine("Creating a line:");
    if (askColour) {
        log.addLine("Pick color !");
        chooseColour(files, lineColour);
    }
    log.addLine("Pick first vertex !");
    document.startPick(LinePick{lineColour, {}});
}

} // namespace meshsmith
