#include "meter_plugin/core/layout.h"

namespace dovrik {
namespace {

MeterPlacement sizedFor(const ClientRect& client)
{
    const int scale = meterScale(client);
    return {0, 0, kMeterBaseWidth * scale, kMeterBaseHeight * scale};
}

} // namespace

int meterScale(const ClientRect& client)
{
    return (client.right - client.left) / kHostBaseWidth;
}

MeterPlacement placementAtStart(const ClientRect& client)
{
    MeterPlacement placement = sizedFor(client);
    placement.x = client.left + (client.right - client.left) * kMeterBaseX / kHostBaseWidth;
    placement.y = client.top + (client.bottom - client.top) * kMeterBaseY / kHostBaseHeight;
    return placement;
}

MeterPlacement placementAfterResize(const ClientRect& client)
{
    const int scale = meterScale(client);
    MeterPlacement placement = sizedFor(client);
    placement.x = client.left + kMeterBaseX * scale;
    placement.y = client.top + kMeterBaseY * scale;
    return placement;
}

} // namespace dovrik
