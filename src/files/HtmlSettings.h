#pragma once
// The settings of HTML readout pages: text and background colour, the
// background texture and the header and footer choices. Kept in memory for
// the run; the HTML readout import writes the colours and texture of the page
// it reads.

#include <array>
#include <string>
#include <string_view>

namespace tfd {

struct THtmlSettings {
  std::string TextColor;        // six hexadecimal digits, RRGGBB
  std::string BackgroundColor;  // likewise
  bool IncludeHeader = false;
  bool IncludeFooter = false;
  bool UseTexture = false;
  std::string Texture;  // the texture's URL
};

// The red, green and blue channels of a colour text; `fallback` when the
// text is not six hexadecimal digits (nothing stored yet, say).
std::array<int, 3> ColorChannels(std::string_view color, const std::array<int, 3>& fallback);
// Channels as a colour text: upper-case RRGGBB, each channel kept within 0..255.
std::string ColorText(const std::array<int, 3>& channels);
// Each hexadecimal digit d becomes 15 - d; any other character gives "0".
std::string ComplementColor(std::string_view color);

// The steps of a channel's spin buttons: 0, 16, ..., 240, 255 and back.
int ChannelStepUp(int value);
int ChannelStepDown(int value);

}  // namespace tfd
