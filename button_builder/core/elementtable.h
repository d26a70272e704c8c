#pragma once

#include "common/core/elementtable.h"

// Knapro's element table is the kit's own, shared with the skin checker.
namespace knapro {

using kit::kPictureWidth;
using kit::kPictureHeight;
using kit::kTabCount;
using kit::Tab;
using kit::MainWindowTab;
using kit::EqualizerTab;
using kit::PlaylistTab;
using kit::ElementRect;
using kit::TabDescriptor;
using kit::tabDescriptors;
using kit::skinWindowNames;
using kit::AreaAction;
using kit::ClickableArea;
using kit::controlDisplayName;
using kit::clickableAreas;
using kit::MenuItem;
using kit::elementMenu;
using kit::Element;
using kit::elementForArea;
using kit::elementForCommand;
using kit::cutRectangles;

} // namespace knapro
