// Resource identifiers of the utility: dialog templates, string-table entries, icon, bitmap
// and the control ids the code addresses.
#pragma once

// Dialog templates.
constexpr int IDD_MAIN = 102;
constexpr int IDD_ABOUT = 129;
constexpr int IDD_STATUS = 130;
constexpr int IDD_BBCR = 131;
constexpr int IDD_MCR = 132;
constexpr int IDD_EEPROM = 133;
constexpr int IDD_STATISTICS = 134;
constexpr int IDD_SITE_SURVEY = 135;
constexpr int IDD_PROCESSING = 139;
constexpr int IDD_CONFIGURATION = 141;
constexpr int IDD_RADIO = 142;

// Icon and bitmap.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDB_ABOUT_PICTURE = 136;

// String table.
constexpr unsigned IDS_UTILITY_VERSION = 3;
constexpr unsigned IDS_NETWORK_TYPES = 4;
constexpr unsigned IDS_TX_RATES = 5;

// Main dialog (102).
constexpr int IDC_ADAPTER_CHOOSER = 1000;
constexpr int IDC_OPEN_ADAPTER = 1001;

// Status page (130).
constexpr int IDC_PROFILE = 1002;
constexpr int IDC_SSID = 1003;
constexpr int IDC_STATUS = 1004;
constexpr int IDC_NETWORK_TYPE = 1005;
constexpr int IDC_CHANNEL = 1006;
constexpr int IDC_TX_RATE = 1007;
constexpr int IDC_HIDDEN_TEXT = 1008;
constexpr int IDC_SIGNAL_LABEL = 1009;
constexpr int IDC_QUALITY_LABEL = 1010;
constexpr int IDC_SIGNAL_METER = 1011;
constexpr int IDC_QUALITY_METER = 1012;
constexpr int IDC_MAC_ADDRESS = 1013;
constexpr int IDC_IP_ADDRESS = 1014;
constexpr int IDC_CONFIG = 1015;
constexpr int IDC_SET_AP = 1016;

// Register pages (131, 132, 133): shared buttons, then each page's fields.
constexpr int IDC_READ = 1018;
constexpr int IDC_SET = 1021;
constexpr int IDC_READ_ALL = 1022;
constexpr int IDC_BB_INDEX = 1016;
constexpr int IDC_BB_DATA = 1017;
constexpr int IDC_BB_OUTPUT = 1020;
constexpr int IDC_MCR_ADDRESS = 1023;
constexpr int IDC_MCR_DATA = 1024;
constexpr int IDC_MCR_OUTPUT = 1025;
constexpr int IDC_EEP_INDEX = 1026;
constexpr int IDC_EEP_DATA = 1027;
constexpr int IDC_EEP_OUTPUT = 1028;
constexpr int IDC_FROM_FILE = 1029;

// Statistics page (134).
constexpr int IDC_TX_SUCCESS = 1030;
constexpr int IDC_TX_ERROR = 1031;
constexpr int IDC_TX_THROUGHPUT = 1007;
constexpr int IDC_RX_SUCCESS = 1033;
constexpr int IDC_RX_CRC_SUCCESS = 1034;
constexpr int IDC_RX_CRC_ERROR = 1035;
constexpr int IDC_RX_THROUGHPUT = 1036;
constexpr int IDC_RESET = 1037;

// About page (129).
constexpr int IDC_DRIVER_VERSION = 1039;
constexpr int IDC_UTILITY_VERSION = 1040;
constexpr int IDC_NOTICE = 1041;
constexpr int IDC_WEB_LINK = 1044;
constexpr int IDC_MAIL_LINK = 1045;

// Site Survey page (135).
constexpr int IDC_NETWORK_LIST = 1047;
constexpr int IDC_RESCAN = 1048;
constexpr int IDC_PROFILE_LIST = 1051;
constexpr int IDC_PROFILE_NEW = 1052;
constexpr int IDC_PROFILE_DELETE = 1053;
constexpr int IDC_PROFILE_EDIT = 1054;

// Processing dialog (139).
constexpr int IDC_PROCESSING_TEXT = 1049;
constexpr int IDC_PROCESSING_PROGRESS = 1050;

// Configuration dialog (141).
constexpr int IDC_PROFILE_NAME = 1055;
constexpr int IDC_PROFILE_SSID = 1056;
constexpr int IDC_PROFILE_NETWORK_TYPE = 1057;
constexpr int IDC_PROFILE_CHANNEL = 1058;
constexpr int IDC_PROFILE_RATE = 1059;
constexpr int IDC_HIDDEN_SSID = 1060;
constexpr int IDC_APPLY = 1061;

// Radio page (142).
constexpr int IDC_RADIO_LABEL = 1063;
constexpr int IDC_RADIO_OFF = 1064;
constexpr int IDC_RADIO_ON = 1065;
constexpr int IDC_RADIO_CHANNEL = 1066;
constexpr int IDC_POWER_SAVING = 1067;
