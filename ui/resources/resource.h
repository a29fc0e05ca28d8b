/* Resource ids of ZRApp, shared by ZRApp.rc and the C++ code
   (#include "ui/resources/resource.h").

   The numbers are fixed: the dialog code, the device settings and the
   calibration all address controls and strings by these values, so a new
   resource takes a new number and an existing one is never renumbered.
   check_ids.py fails the build when two controls or two strings share a
   number. Plain #defines only: windres reads this file too. */
#ifndef ZRAPP_UI_RESOURCES_RESOURCE_H
#define ZRAPP_UI_RESOURCES_RESOURCE_H

/* Dialog templates and the application icon */
#define IDD_ZRAPP_DIALOG                   102
#define IDR_MAINFRAME                      128
#define IDD_ABOUTBOX                       134

/* Raw resource type of a dialog's initial list data, stored under the name
   of its dialog template; layout described in ZRApp.rc. */
#define RT_DLGINIT_DATA                    240

/* ---- Strings (IDS_), one table in English (United States) and one in
   Chinese (Simplified) holding the same ids. Captions are grouped by the
   dialog area of the control they label. */

/* Window title. Not the framework's application name: message boxes
   without a caption of their own still show the executable's name. */
#define IDS_APP_TITLE                      131

/* Top row */
#define IDS_DEVICE_TYPE                    179
#define IDS_DEVICE_NORMAL                  155
#define IDS_DEVICE_HIGH_SPEED              154
#define IDS_DOUBLE_CLICK_OPTIMIZE          180
#define IDS_PEN_AND_TOUCH                  181
#define IDS_TABLET_PC                      182
#define IDS_IMPORT_COORD                   214
#define IDS_EXPORT_COORD                   215

/* Group "Touch Param" */
#define IDS_TOUCH_PARAM                    132
#define IDS_ENABLE_TOUCH                   133
#define IDS_TOUCH_MODE                     134
#define IDS_MOUSE_MODE                     152
#define IDS_UP_CLICK_MODE                  135
#define IDS_DOWN_CLICK_MODE                136
#define IDS_SINGLE_TOUCH_MODE              168
#define IDS_TOUCH_HEIGHT                   137
#define IDS_TOUCH_SMOOTH                   138
#define IDS_TOUCH_DELAY                    139
#define IDS_TOUCH_JITTER                   174
#define IDS_XFACTOR                        190
#define IDS_YFACTOR                        191
#define IDS_XSTART                         192
#define IDS_XEND                           193
#define IDS_YSTART                         194
#define IDS_YEND                           195

/* Logic groups */
#define IDS_LOGIC_GROUP1                   208
#define IDS_XMINLNUM                       203
#define IDS_LOGIC_OR                       210
#define IDS_LOGIC_AND                      211
#define IDS_YMINLNUM                       204
#define IDS_LOGIC_GROUP2                   209

/* Group "Mouse Right Click Param" */
#define IDS_RIGHT_CLICK_PARAM              140
#define IDS_ENABLE_RIGHT_CLICK             141
#define IDS_RIGHT_CLICK_TIME               142
#define IDS_RIGHT_CLICK_AREA               143

/* Group "Mouse Double Click Setting" */
#define IDS_DOUBLE_CLICK_SETTING           144
#define IDS_DBLCLK_RANGE                   145
#define IDS_DBLCLK_SPEED                   146

/* Signal settings and calibration buttons */
#define IDS_TOUCHED_BORDER                 153
#define IDS_SIGNAL_SOURCE_ID               200
#define IDS_HIGH_ON_WEAK_SIGNAL            205
#define IDS_NO_RESET_ON_USB_TIMEOUT        207
#define IDS_XMAXANGLE                      201
#define IDS_YMAXANGLE                      202
#define IDS_WIDTH_ZOOM_OUT                 212
#define IDS_IMPORT_CALIB                   172
#define IDS_EXPORT_CALIB                   171
#define IDS_CORNER_CALIB                   148
#define IDS_CALIB_RESET                    149

/* Group "Calibration" */
#define IDS_CALIBRATION                    169
#define IDS_ROTATE_0                       183
#define IDS_ROTATE_90                      184
#define IDS_ROTATE_180                     185
#define IDS_ROTATE_270                     186
#define IDS_MIRROR_X                       187
#define IDS_MIRROR_Y                       188
#define IDS_CALIBR                         189
#define IDS_XZOOM                          175
#define IDS_YZOOM                          176
#define IDS_XYFACTOR                       196
#define IDS_YXFACTOR                       197
#define IDS_XOFFSET                        177
#define IDS_YOFFSET                        178

/* Bottom row */
#define IDS_HOTKEY_ENABLE                  170
#define IDS_COM_PROTOCOL                   163
#define IDS_ABOUT                          147
#define IDS_APPLY                          150
#define IDS_EXIT                           151

/* Items of the protocol list IDC_CMB_COM_PROTOCOL, in list order */
#define IDS_PROTOCOL_XUANZHI               164
#define IDS_PROTOCOL_IRTOUCH_SINGLE        165
#define IDS_PROTOCOL_BAOSHIDA              166
#define IDS_PROTOCOL_KAIJIADA              167
#define IDS_PROTOCOL_STATIC_SPLITTING      198
#define IDS_PROTOCOL_DYNAMIC_SPLITTING     199
#define IDS_PROTOCOL_LBST                  206
#define IDS_PROTOCOL_HOWEASY               213

/* ---- Controls of IDD_ZRAPP_DIALOG, by area of the window.
   IDC_<KIND>_<WHAT>, KIND: BTN push button, CHK check box, RAD radio button,
   STC static text (caption, value or unit), SLD slider, CMB list (drop-down
   combo box), EDT edit field, GRP group box. Step buttons end in _DEC ("<<")
   and _INC (">>"). */

/* Top row */
#define IDC_GRP_DEVICE_TYPE                1071
#define IDC_RAD_DEVICE_NORMAL              1054
#define IDC_RAD_DEVICE_HIGH_SPEED          1055
#define IDC_BTN_DOUBLE_CLICK_OPTIMIZE      1070
#define IDC_BTN_PEN_AND_TOUCH              1069
#define IDC_BTN_TABLET_PC                  1068
#define IDC_BTN_IMPORT_COORD               1133
#define IDC_BTN_EXPORT_COORD               1134

/* Group "Touch Param" */
#define IDC_GRP_TOUCH_PARAM                1014
#define IDC_CHK_ENABLE_TOUCH               1003
#define IDC_RAD_TOUCH_MODE                 1018
#define IDC_RAD_MOUSE_MODE                 1027
#define IDC_RAD_UP_CLICK_MODE              1021
#define IDC_RAD_DOWN_CLICK_MODE            1020
#define IDC_RAD_SINGLE_TOUCH_MODE          1056
#define IDC_STC_TOUCH_HEIGHT               1023
#define IDC_SLD_TOUCH_HEIGHT               1004
#define IDC_STC_TOUCH_HEIGHT_VALUE         1029
#define IDC_STC_TOUCH_SMOOTH               1024
#define IDC_SLD_TOUCH_SMOOTH               1005
#define IDC_STC_TOUCH_SMOOTH_VALUE         1030
#define IDC_STC_TOUCH_DELAY                1025
#define IDC_SLD_TOUCH_DELAY                1006
#define IDC_STC_TOUCH_DELAY_VALUE          1031
#define IDC_STC_TOUCH_DELAY_UNIT           1034
#define IDC_STC_TOUCH_JITTER               1045
#define IDC_SLD_TOUCH_JITTER               1011
#define IDC_STC_TOUCH_JITTER_VALUE         1046
#define IDC_STC_TOUCH_JITTER_UNIT          1051
#define IDC_STC_XFACTOR                    1086
#define IDC_CMB_XFACTOR                    1083
#define IDC_STC_YFACTOR                    1093
#define IDC_CMB_YFACTOR                    1084
#define IDC_STC_XSTART                     1102
#define IDC_EDT_XSTART                     1101
#define IDC_STC_XEND                       1106
#define IDC_EDT_XEND                       1095
#define IDC_STC_YSTART                     1107
#define IDC_EDT_YSTART                     1097
#define IDC_STC_YEND                       1108
#define IDC_EDT_YEND                       1099

/* Logic groups */
#define IDC_GRP_LOGIC_GROUP1               1127
#define IDC_STC_XMINLNUM1                  1117
#define IDC_CMB_XMINLNUM1                  1121
#define IDC_RAD_LOGIC_GROUP1_OR            1113
#define IDC_RAD_LOGIC_GROUP1_AND           1114
#define IDC_STC_YMINLNUM1                  1118
#define IDC_CMB_YMINLNUM1                  1122
#define IDC_GRP_LOGIC_GROUP2               1128
#define IDC_STC_XMINLNUM2                  1129
#define IDC_CMB_XMINLNUM2                  1123
#define IDC_RAD_LOGIC_GROUP2_OR            1124
#define IDC_RAD_LOGIC_GROUP2_AND           1125
#define IDC_STC_YMINLNUM2                  1130
#define IDC_CMB_YMINLNUM2                  1126

/* Group "Mouse Right Click Param" */
#define IDC_GRP_RIGHT_CLICK                1015
#define IDC_CHK_ENABLE_RIGHT_CLICK         1007
#define IDC_STC_RIGHT_CLICK_TIME           1016
#define IDC_SLD_RIGHT_CLICK_TIME           1008
#define IDC_STC_RIGHT_CLICK_TIME_VALUE     1032
#define IDC_STC_RIGHT_CLICK_TIME_UNIT      1035
#define IDC_STC_RIGHT_CLICK_AREA           1017
#define IDC_SLD_RIGHT_CLICK_AREA           1009
#define IDC_STC_RIGHT_CLICK_AREA_VALUE     1033
#define IDC_STC_RIGHT_CLICK_AREA_UNIT      1036

/* Group "Mouse Double Click Setting" */
#define IDC_GRP_DOUBLE_CLICK               1026
#define IDC_STC_DBLCLK_RANGE               1039
#define IDC_SLD_DBLCLK_RANGE               1037
#define IDC_STC_DBLCLK_RANGE_VALUE         1042
#define IDC_STC_DBLCLK_RANGE_UNIT          1041
#define IDC_STC_DBLCLK_SPEED               1040
#define IDC_SLD_DBLCLK_SPEED               1038
#define IDC_STC_DBLCLK_SPEED_VALUE         1044
#define IDC_STC_DBLCLK_SPEED_UNIT          1043

/* Signal settings and calibration buttons */
#define IDC_CHK_TOUCHED_BORDER             1053
#define IDC_STC_SIGNAL_SOURCE_ID           1109
#define IDC_CMB_SIGNAL_SOURCE_ID           1110
#define IDC_CHK_HIGH_ON_WEAK_SIGNAL        1111
#define IDC_CHK_NO_RESET_ON_USB_TIMEOUT    1112
#define IDC_STC_XMAXANGLE                  1115
#define IDC_CMB_XMAXANGLE                  1119
#define IDC_STC_YMAXANGLE                  1116
#define IDC_CMB_YMAXANGLE                  1120
#define IDC_STC_WIDTH_ZOOM_OUT             1131
#define IDC_CMB_WIDTH_ZOOM_OUT             1132
#define IDC_BTN_IMPORT_CALIB               1022
#define IDC_BTN_EXPORT_CALIB               1019
#define IDC_BTN_CORNER_CALIB               1001
#define IDC_BTN_CALIB_RESET                1002

/* Group "Calibration" */
#define IDC_GRP_CALIBRATION                1057
#define IDC_RAD_ROTATE_0                   1082
#define IDC_RAD_ROTATE_90                  1087
#define IDC_RAD_ROTATE_180                 1088
#define IDC_RAD_ROTATE_270                 1089
#define IDC_RAD_MIRROR_X                   1090
#define IDC_RAD_MIRROR_Y                   1091
#define IDC_RAD_CALIBR                     1092
#define IDC_STC_XZOOM                      1065
#define IDC_BTN_XZOOM_DEC                  1078
#define IDC_SLD_XZOOM                      1028
#define IDC_BTN_XZOOM_INC                  1074
#define IDC_STC_XZOOM_VALUE                1052
#define IDC_STC_YZOOM                      1066
#define IDC_BTN_YZOOM_DEC                  1080
#define IDC_SLD_YZOOM                      1047
#define IDC_BTN_YZOOM_INC                  1076
#define IDC_STC_YZOOM_VALUE                1064
#define IDC_STC_XYFACTOR                   1104
#define IDC_BTN_XYFACTOR_DEC               1096
#define IDC_SLD_XYFACTOR                   1048
#define IDC_BTN_XYFACTOR_INC               1085
#define IDC_STC_XYFACTOR_VALUE             1100
#define IDC_STC_YXFACTOR                   1105
#define IDC_BTN_YXFACTOR_DEC               1098
#define IDC_SLD_YXFACTOR                   1073
#define IDC_BTN_YXFACTOR_INC               1094
#define IDC_STC_YXFACTOR_VALUE             1103
#define IDC_STC_XOFFSET                    1067
#define IDC_BTN_XOFFSET_DEC                1079
#define IDC_SLD_XOFFSET                    1050
#define IDC_BTN_XOFFSET_INC                1075
#define IDC_STC_XOFFSET_VALUE              1061
#define IDC_STC_YOFFSET                    1072
#define IDC_BTN_YOFFSET_DEC                1081
#define IDC_SLD_YOFFSET                    1049
#define IDC_BTN_YOFFSET_INC                1077
#define IDC_STC_YOFFSET_VALUE              1062

/* Bottom row */
#define IDC_CHK_HOTKEY_ENABLE              1060
#define IDC_STC_COM_PROTOCOL               1059
#define IDC_CMB_COM_PROTOCOL               1058
#define IDC_BTN_ABOUT                      1010
#define IDC_BTN_APPLY                      1012
#define IDC_BTN_EXIT                       1013

#endif /* ZRAPP_UI_RESOURCES_RESOURCE_H */
