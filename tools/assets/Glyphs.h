#pragma once

#include "tools/assets/Art.h"

// The skin's pictograms, each drawn in one colour into a square box of the
// given side centred on (cx, cy). Buttons, icons and menus share them, so
// one symbol means one thing everywhere.
enum class Glyph {
    Tick, Cross, Plus, Minus,
    ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Swap,
    Play, Star, Heart, Bolt, Shield, Ball, Person, People,
    Shirt, Stopwatch, Euro, Crest, Chart, Flag, Calendar, Gear,
    Coin, Trophy, Cup, Medal, Whistle, Dumbbell, Shoe, Eye, Hand, Target, Glove,
    House, Car, Boat, Building, Briefcase, Megaphone, Camera, Grip,
};

void DrawGlyph(Layer& l, Glyph g, double cx, double cy, double size, Colour c);
