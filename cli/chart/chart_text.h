#pragma once

#include <string>

#include "document/chart_captions.h"

namespace tarvel {

/// The Rasi chart as UTF-8 text for a terminal: the square of twelve sign boxes drawn with
/// box-drawing characters (Pisces top left, the signs clockwise from Aries), each box showing
/// its contents and, in its lower right corner, its sign number; the legend in the centre; the
/// planets' names, short positions and, where the captions hold them, nakshatras beside the
/// square. Lines end with "\n".
std::string RenderChartText(const ChartCaptions& captions);

}  // namespace tarvel
