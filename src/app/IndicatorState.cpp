// The one process-wide record of the indicator.
