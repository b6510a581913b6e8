// Resource ids of the deadline calculator.
#pragma once
