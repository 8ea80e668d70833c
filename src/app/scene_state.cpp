// scene_state.cpp: storage of the scene, alive for the whole process.
#include "app/scene_state.h"

SceneState scene;
