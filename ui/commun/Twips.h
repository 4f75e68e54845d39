#pragma once

#include <QRect>
#include <cmath>

namespace amortix {

// Places are given in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
inline constexpr int TwipsParPixel = 15;

inline int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(TwipsParPixel)));
}
inline int Twips(int pixels) {
    return pixels * TwipsParPixel;
}

inline QRect RectangleTwips(int gauche, int haut, int largeur, int hauteur) {
    return {Pixels(gauche), Pixels(haut), Pixels(largeur), Pixels(hauteur)};
}

} // namespace amortix
