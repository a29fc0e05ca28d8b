// Range and tick frequency of every slider of the main dialog, in the order
// they are set up: the touch and host-mouse sliders, then the calibration ones.
#pragma once

#include "ui/resources/resource.h"

struct SliderRange {
    int controlId;
    int min;
    int max;
    int ticFreq;
};

constexpr SliderRange kSliderRanges[] = {
    {IDC_SLD_TOUCH_HEIGHT, 3, 8, 1},
    {IDC_SLD_TOUCH_SMOOTH, 0, 10, 1},
    {IDC_SLD_TOUCH_DELAY, 0, 500, 10},
    {IDC_SLD_RIGHT_CLICK_TIME, 1000, 5000, 100},
    {IDC_SLD_RIGHT_CLICK_AREA, 100, 1500, 50},
    {IDC_SLD_DBLCLK_RANGE, 1, 500, 25},
    {IDC_SLD_DBLCLK_SPEED, 1, 1000, 20},
    {IDC_SLD_TOUCH_JITTER, 10, 15000, 50},
    // A factor of one is 1000; the offsets reach 6554 (not 6553) either way.
    {IDC_SLD_XZOOM, -4000, 4000, 50},
    {IDC_SLD_YZOOM, -4000, 4000, 50},
    {IDC_SLD_XOFFSET, -6554, 6554, 50},
    {IDC_SLD_YOFFSET, -6554, 6554, 50},
    {IDC_SLD_XYFACTOR, -6554, 6554, 50},
    {IDC_SLD_YXFACTOR, -6554, 6554, 50},
};
