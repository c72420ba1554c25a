#include "tools/tour/TourIndex.h"

#include <fstream>
#include <sstream>

#include "platform/Text.h"

namespace {

// The width the index shows each picture at.
constexpr int kThumbnailWidth = 320;

// The game's text made fit for the page.
std::string Html(const std::string& text) {
    std::string out;
    for (const char c : Cp1252ToUtf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string SizeName(Size size) { return Format("%dx%d", size.width, size.height); }

std::string Notes(const TourShot& shot) {
    std::string notes;
    if (!shot.failure.empty())
        notes += "<p class=\"failure\">FAILURE: " + Html(shot.failure) + "</p>";
    if (!shot.warning.empty())
        notes += "<p class=\"warning\">WARNING: " + Html(shot.warning) + "</p>";
    if (shot.file.empty())
        notes += "<p>not available: no click leads to it</p>";
    if (shot.shownScreen)
        notes += Format("<p>the window shows screen %d</p>", *shot.shownScreen);
    if (shot.onlyFrame)
        notes += "<p>only its frame is painted</p>";
    for (const std::string& box : shot.boxes)
        notes += "<p>box " + Html(box) + "</p>";
    return notes;
}

void WriteRow(std::ostream& out, const TourShot& shot) {
    const std::string name = shot.dialog.empty() ? TourScreenName(shot.screenId) : "dialog " + shot.dialog;
    out << "<tr><td>" << shot.screenId << "</td><td>" << Html(name) << "</td><td>";
    if (shot.button >= 0)
        out << "button " << shot.button << ": " << Html(shot.label);
    out << Html(shot.dialog) << "</td><td>";
    if (!shot.file.empty())
        out << "<a href=\"" << Html(shot.file) << "\"><img src=\"" << Html(shot.file) << "\" width=\""
            << kThumbnailWidth << "\" alt=\"" << Html(shot.file) << "\"></a><br>" << Html(shot.file);
    out << "</td><td>" << Notes(shot) << "</td></tr>\n";
}

}  // namespace

std::string TourIndexHtml(const TourSettings& settings, const TourResult& result) {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Corvanta screen tour</title>\n"
        << "<style>td{vertical-align:top;padding:4px}.failure{color:#c00;font-weight:bold}.warning{color:#a60}"
        << "</style></head><body>\n"
        << "<h1>Corvanta screen tour</h1>\n<p>World " << Html(settings.window.worldFile.string()) << ", club "
        << Html(result.club) << ", seed " << settings.seed << ", " << settings.days << " days played.</p>\n";
    if (!result.error.empty())
        out << "<p class=\"failure\">FAILURE: " << Html(result.error) << "</p>\n";
    for (const Size size : settings.sizes) {
        out << "<h2>" << SizeName(size) << "</h2>\n<table>\n"
            << "<tr><th>screen</th><th>name</th><th>page</th><th>picture</th><th>notes</th></tr>\n";
        for (const TourShot& shot : result.shots)
            if (shot.size == size)
                WriteRow(out, shot);
        out << "</table>\n";
    }
    out << "</body></html>\n";
    return out.str();
}

bool WriteTourIndex(const std::filesystem::path& file, const TourSettings& settings, const TourResult& result) {
    std::ofstream out(file, std::ios::trunc);
    out << TourIndexHtml(settings, result);
    return static_cast<bool>(out);
}
