#include "document/view/hover_hit.h"

bool IsOverText(POINT first, POINT afterLast, int x, int y)
{
    const int x1 = first.x, y1 = first.y, x2 = afterLast.x, y2 = afterLast.y;
    if (x1 < x && x < x2 && y1 < y && y < y2 + 15)
        return true;
    if (y1 >= y2)
        return false;
    return (y1 + 18 < y && y < y2) || (x > x1 && y1 <= y && y <= y1 + 18) || (x < x2 && y2 <= y && y <= y2 + 15);
}
