#pragma once

// Numbers of the plug-in's resources, shared by the resource scripts and the code.
// The faces are numbered by the setting "Bitmap ID" that chooses them.
#define IDB_FACE_MCINTOSH 100
#define IDB_FACE_QUORVEL 101
#define IDB_FACE_ONKYO 102

#define IDD_MODEL_ENGLISH 1030
#define IDD_MODEL_CHINESE 1031

// The model dialog's radio buttons carry the numbers of their faces.
#define IDC_MODEL_MCINTOSH IDB_FACE_MCINTOSH
#define IDC_MODEL_QUORVEL IDB_FACE_QUORVEL
#define IDC_MODEL_ONKYO IDB_FACE_ONKYO
