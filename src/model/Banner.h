#pragma once

/** The free-text lines that open the files this program writes for others. */
namespace adif {

inline constexpr char kProgramId[] = "Brindlewick";
inline constexpr char kBannerLine[] = "ADIF export of Brindlewick, a logbook for radio amateurs "
                                      "(the Brindlewick developers)";
inline constexpr char kWebSiteLine[] = "Brindlewick: sources, notes and contact in its README";

} // namespace adif
