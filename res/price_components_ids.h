// Resource ids of the gross-price components of an offer.
#pragma once

// List of components.
#define IDD_PRICE_COMPONENTS            363
#define IDC_COMPONENTS_LIST             1054
#define IDC_COMPONENTS_ADD              1161
#define IDC_COMPONENTS_EDIT             1162
#define IDC_COMPONENTS_DELETE           1163
#define IDC_COMPONENTS_NET_TOTAL        1164
#define IDC_COMPONENTS_GROSS_TOTAL      1165
#define IDC_COMPONENTS_TRANSFER_GROSS   1167

// One component.
#define IDD_PRICE_COMPONENT             364
#define IDC_COMPONENT_NAME              1166
#define IDC_COMPONENT_NET               1164
#define IDC_COMPONENT_VAT               1081
#define IDC_COMPONENT_GROSS             1165
