#pragma once

#include <string>
#include <vector>

#include "platform/Bitmap.h"

// A few sponsor logos for "Sponsoren\": made-up firms, each a mark and a
// word on a light card, 200 × 100.
struct SponsorLogo {
    std::string file;  // name inside "Sponsoren\"
    Bitmap picture;
};

std::vector<SponsorLogo> DrawSponsorLogos();
