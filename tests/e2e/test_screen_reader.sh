# A QSO typed from the keyboard alone and a report window, heard through the screen reader Orca:
# every value, count and row must be heard whole (see screen_reader.py).
exec /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@"
