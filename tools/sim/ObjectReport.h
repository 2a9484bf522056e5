// How the dump shows a playfield object: the common keys and those of its class.
#pragma once

#include "JsonWriter.h"

class GameObject;

void WriteObject(JsonWriter& json, const GameObject& object);
