// Ids of the small dialog the framework tests drive.
#pragma once

#define IDD_TEST_DIALOG 200
#define IDC_TEST_INT 10
#define IDC_TEST_FLOAT 11
#define IDC_TEST_LATER_INT 12
#define IDC_TEST_CHECK 20
#define IDC_TEST_RADIO_FIRST 30
#define IDC_TEST_CHECK_IN_GROUP 31
#define IDC_TEST_RADIO_SECOND 32
#define IDC_TEST_RADIO_THIRD 33
#define IDC_TEST_GROUP_END 40
#define IDC_TEST_SLIDER 50
#define IDC_TEST_LIST 60
#define IDC_TEST_BUTTON 70
#define IDC_TEST_THROWING_BUTTON 71
