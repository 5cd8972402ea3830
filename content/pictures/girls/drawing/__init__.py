"""The girls' drawing: make_girls.py one folder up says what each module holds."""
