// Resource ids of the wizards: the wizard frame and the new-proceeding wizard.
#pragma once
