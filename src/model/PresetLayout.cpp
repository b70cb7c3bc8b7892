#include "model/PresetLayout.h"

#include <algorithm>

PresetLayout::PresetLayout (int numKnobsIn, int numPadsIn, int numSwitchesIn)
    : numKnobs (std::max (0, numKnobsIn)),
      numPads (std::max (0, numPadsIn)),
      numSwitches (std::max (0, numSwitchesIn))
{
}
