// Resource ids of the grid control.
#pragma once
