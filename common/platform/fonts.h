#pragma once

namespace kalmora::platform
{

// Makes the font names the programs use ("ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝",
// "Times New Roman") resolve to metric-compatible free fonts (IPA and Liberation). Call once after
// the QGuiApplication exists.
void InstallFontSubstitutions();

} // namespace kalmora::platform
