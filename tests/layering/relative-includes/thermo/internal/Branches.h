// Internal to the calculation layer.
