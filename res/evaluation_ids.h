// Resource ids of the offer evaluation, deadline calculator and calendar.
#pragma once
