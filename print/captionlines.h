#pragma once
// The caption as the label lays it out: auto-size means no word wrapping, line feeds are
// dropped, and only a carriage return starts a new line (a catalogue title has none, since a
// carriage return ends a line of the catalogue file).

#include <string>
#include <string_view>
#include <vector>

// Always at least one line (an empty caption is one empty line). Bytes stay as they are.
std::vector<std::string> CaptionLines(std::string_view caption);
