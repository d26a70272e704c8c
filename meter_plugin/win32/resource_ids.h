#pragma once

// Numbers of the plug-in's resources, shared by the resource scripts and the code.
// The faces are numbered by the setting "Bitmap ID" that chooses them.
#define IDB_FACE_MCINTOSH 100
#define IDB_FACE_QUORVEL 101
#define IDB_FACE_ONKYO 102

#define IDI_NEEDLE 105
#define IDI_ABOUT 1005

#define IDD_ABOUT_ENGLISH 1020
#define IDD_ABOUT_CHINESE 1021
#define IDC_ABOUT_VERSION 1006

#define IDD_MODEL_ENGLISH 1030
#define IDD_MODEL_CHINESE 1031

// The model dialog's radio buttons carry the numbers of their faces.
#define IDC_MODEL_MCINTOSH IDB_FACE_MCINTOSH
#define IDC_MODEL_QUORVEL IDB_FACE_QUORVEL
#define IDC_MODEL_ONKYO IDB_FACE_ONKYO

#define IDD_NEEDLE_ENGLISH 1040
#define IDD_NEEDLE_CHINESE 1041
#define IDC_NEEDLE_PER_MILLE_SLIDER 1009
#define IDC_NEEDLE_VU_LIMIT_SLIDER 1010
#define IDC_NEEDLE_LOW 1013
#define IDC_NEEDLE_HIGH 1014
#define IDC_NEEDLE_MIDDLE 1015
#define IDC_NEEDLE_PER_MILLE_BOX 1016
#define IDC_NEEDLE_VU_LIMIT_BOX 1018
#define IDC_NEEDLE_AUTO 1028

// The right-click menu and its commands.
#define IDM_METER_ENGLISH 2000
#define IDM_METER_CHINESE 2001
#define IDM_SET_NEEDLE 40002
#define IDM_CHANGE_MODEL 1000
#define IDM_EXIT_PLUGIN 1001
#define IDM_DO_NOTHING 1002
#define IDM_TELL_YOU 1003
#define IDM_ABOUT 1004
