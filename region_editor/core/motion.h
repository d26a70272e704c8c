#pragma once

// The two movements of the presentation windows, in twips.
namespace plevo {

// The exit credits: the text starts low in its viewport and climbs 20 twips a
// step; once it has climbed out at the top it starts again from below.
inline constexpr int kCreditsFirstTop = 2600;
inline constexpr int kCreditsLastTop = -3800;
inline constexpr int kCreditsRestartTop = 2800;
inline constexpr int kCreditsStep = 20;

// The credits text's top after one more step from `top`.
int nextCreditsTop(int top);

// The About window's icon slides in from outside the window's left edge, 10
// twips a move, and stops once its left edge is past 230.
inline constexpr int kAboutIconFirstLeft = -1485;
inline constexpr int kAboutIconStep = 10;
inline constexpr int kAboutIconStopPast = 230;

// Whether the icon at `left` moves once more.
constexpr bool aboutIconMoves(int left) { return left <= kAboutIconStopPast; }

} // namespace plevo
