// removed when the first backend source lands
