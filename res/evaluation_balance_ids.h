// Resource ids of the points balance of the offer evaluation.
#pragma once
